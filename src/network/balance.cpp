#include "network/balance.hpp"

#include <charconv>
#include <cmath>

namespace rxnform {

std::string format_balance_sum(double sum) {
  char text[400];  // the largest double has 309 digits before the point
  auto result = std::to_chars(text, text + sizeof text, sum, std::chars_format::fixed, 2);
  std::string_view printed(text, static_cast<std::size_t>(result.ptr - text));
  if (printed == "-0.00") printed.remove_prefix(1);
  return std::string(printed);
}

bool element_sums::test(int line_number, Console& console) const {
  bool balanced = true;
  // A sum that is not a number is outside the tolerance but exceeds nothing,
  // so it makes the reaction unbalanced without an item of its own.
  for (double s : sum) balanced = balanced && std::fabs(s) <= kBalanceTolerance;
  if (balanced) return true;

  std::string report = "Inequal balance in line ";
  report += std::to_string(line_number);
  report += " ( ";
  for (int e = 0; e < kElementCount; ++e) {
    if (std::fabs(sum[e]) > kBalanceTolerance) {
      report += kElementSymbols[e];
      report += '=';
      report += format_balance_sum(sum[e]);
      report += ' ';
    }
  }
  report += ")\n";
  console.say(report);
  return false;
}

}  // namespace rxnform
