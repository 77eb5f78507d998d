// Deterministic networks at the tables' full capacity, for the benchmark.
#pragma once

#include <string>

namespace rxnform_bench {

struct network {
  std::string metabolites;
  std::string reactions;
  std::string exchanges;
};

// 1000 metabolites whose formulas hold all thirteen elements; 2000 reaction
// lines, each filled to 2047 characters with as many short-named terms as
// fit, the names spread over the whole table; 500 exchange lines.
network worst_case();

// A network as modellers write them, at capacity: distinct metabolites within
// each reaction, coefficients such as (0.5) and (2), both arrows, compartment
// prefixes and modifiers.
network realistic();

}  // namespace rxnform_bench
