#include "model_writer/number_format.hpp"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string_view>

namespace rxnform {

std::size_t format_number(double value, char* out) {
  if (value == 0) {  // also -0: the model never shows a negative zero
    out[0] = '0';
    return 1;
  }
  if (std::isinf(value)) {
    const std::string_view word = value > 0 ? "+INF" : "-INF";
    return static_cast<std::size_t>(std::copy(word.begin(), word.end(), out) - out);
  }
  // to_chars with a precision prints exactly as printf's "%g" does.
  auto result = std::to_chars(out, out + kNumberChars, value, std::chars_format::general, 6);
  return static_cast<std::size_t>(result.ptr - out);
}

}  // namespace rxnform
