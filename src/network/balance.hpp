// The element balance of one reaction: atoms produced minus atoms consumed,
// per element, summed term by term in double precision.
#pragma once

#include <string>

#include "driver/console.hpp"
#include "network/metabolites.hpp"

namespace rxnform {

constexpr double kBalanceTolerance = 0.001;

struct element_sums {
  double sum[kElementCount] = {};

  // Adds the atoms of one term: its signed coefficient times each atom count.
  void add_term(const metabolite_entry& metabolite, double signed_coefficient) {
    for (int e = 0; e < kElementCount; ++e)
      sum[e] += signed_coefficient * metabolite.atom_counts[e];
  }
  // True when every sum is within the tolerance; otherwise prints the report
  // naming the line and each element outside it.
  bool test(int line_number, Console& console) const;
};

// A sum as the balance report shows it: two decimals, rounded to nearest, and
// without a minus sign when it rounds to zero.
std::string format_balance_sum(double sum);

}  // namespace rxnform
