// The reaction table: one reaction per line, a name and an equation. Each
// reaction is a column of the model holding its signed coefficients.
#pragma once

#include <cstdint>
#include <string_view>

#include "driver/line_reader.hpp"
#include "network/fixed_table.hpp"

namespace rxnform {

struct run_state;

struct reaction_entry {
  std::int32_t reversible;  // 1 once a "<==>" arrow has been met
  char name[9];             // the column name, at most 8 characters
  char equation[1024];      // as read, at most 1023 characters; kept, not used further
};

using reaction_table = fixed_table<reaction_entry, 2000>;

// One non-blank line of the reaction file.
void read_reaction_line(run_state& run, std::string_view line, int line_number);

// The reaction phase: reads the file to its end or until the table is full,
// writes the entries and prints the summary.
read_status read_reactions(run_state& run, LineReader& reader, std::string_view file_name);

// The free bounds of every reversible reaction, then their summary.
void write_reversible_bounds(run_state& run);

}  // namespace rxnform
