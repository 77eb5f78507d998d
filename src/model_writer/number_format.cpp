#include "model_writer/number_format.hpp"

#include <charconv>
#include <cmath>
#include <cstring>

namespace rxnform {

std::size_t format_number(double value, char* out) {
  if (value == 0) {  // also -0: the model never shows a negative zero
    out[0] = '0';
    return 1;
  }
  if (std::isinf(value)) {
    std::memcpy(out, value > 0 ? "+INF" : "-INF", 4);
    return 4;
  }
  // to_chars with a precision prints exactly as printf's "%g" does.
  auto result = std::to_chars(out, out + kNumberChars, value, std::chars_format::general, 6);
  return static_cast<std::size_t>(result.ptr - out);
}

}  // namespace rxnform
