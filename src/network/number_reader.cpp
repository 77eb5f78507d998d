#include "network/number_reader.hpp"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>

#include "network/text.hpp"

namespace rxnform {

namespace {

template <typename T>
std::size_t read_number_as(std::string_view text, T& value) {
  std::size_t pos = skip_space(text, 0);
  bool negative = false;
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
    negative = text[pos] == '-';
    ++pos;
    std::string_view word = text.substr(pos, 3);
    if (word == "INF" || word == "NAN") {
      T magnitude =
          word == "INF" ? std::numeric_limits<T>::infinity() : std::numeric_limits<T>::quiet_NaN();
      value = negative ? -magnitude : magnitude;
      return pos + 3;
    }
  }

  // Mantissa: digits with at most one decimal point, at least one digit.
  const std::size_t mantissa = pos;
  std::size_t int_digits = 0;
  std::size_t leading_int_zeros = 0;  // zeros before the first significant integer digit
  std::size_t frac_digits = 0;
  std::size_t leading_frac_zeros = 0;  // zeros after the point before a significant digit
  bool significant = false;
  while (pos < text.size() && is_digit(text[pos])) {
    if (!significant && text[pos] == '0') ++leading_int_zeros;
    if (text[pos] != '0') significant = true;
    ++int_digits;
    ++pos;
  }
  if (pos < text.size() && text[pos] == '.') {
    ++pos;
    while (pos < text.size() && is_digit(text[pos])) {
      if (!significant && text[pos] == '0') ++leading_frac_zeros;
      if (text[pos] != '0') significant = true;
      ++frac_digits;
      ++pos;
    }
  }
  if (int_digits + frac_digits == 0) return 0;

  // Exponent: a marker with no digit after it is taken with its sign as 0.
  std::int64_t exponent = 0;
  if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
    ++pos;
    bool exponent_negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
      exponent_negative = text[pos] == '-';
      ++pos;
    }
    while (pos < text.size() && is_digit(text[pos])) {
      if (exponent < 1'000'000'000) exponent = exponent * 10 + (text[pos] - '0');
      ++pos;
    }
    if (exponent_negative) exponent = -exponent;
  }

  // from_chars stops by itself before an exponent marker without digits.
  T magnitude{};
  auto result = std::from_chars(text.data() + mantissa, text.data() + pos, magnitude);
  if (result.ec == std::errc::result_out_of_range) {
    // Too large for the type gives an infinity, too small a zero: decided by
    // the decimal exponent of the first significant digit.
    std::int64_t scale = significant
                             ? (int_digits > leading_int_zeros
                                    ? static_cast<std::int64_t>(int_digits - leading_int_zeros)
                                    : -static_cast<std::int64_t>(leading_frac_zeros))
                             : 0;
    magnitude = scale + exponent > 0 ? std::numeric_limits<T>::infinity() : T(0);
  }
  value = negative ? -magnitude : magnitude;
  return pos;
}

}  // namespace

std::size_t read_number(std::string_view text, double& value) {
  return read_number_as(text, value);
}

std::size_t read_number(std::string_view text, float& value) { return read_number_as(text, value); }

}  // namespace rxnform
