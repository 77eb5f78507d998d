// Numbers as the model file prints them.
#pragma once

#include <cstddef>

namespace rxnform {

// Longest text format_number produces ("-1.23457e+308") with room to spare.
constexpr std::size_t kNumberChars = 24;

// Prints `value` in the "%g" style (6 significant digits), except that a zero
// of either sign prints as "0" and an infinity as "+INF" or "-INF", which is
// how the model format spells them. Returns the number of characters written.
std::size_t format_number(double value, char* out);

}  // namespace rxnform
