// Character classes of the plain ASCII locale, and the field scanning that
// all three readers share. No byte above 127 belongs to any class.
#pragma once

#include <cstddef>
#include <string_view>

namespace rxnform {

inline bool is_space(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
inline bool is_digit(char c) { return c >= '0' && c <= '9'; }
inline bool is_upper(char c) { return c >= 'A' && c <= 'Z'; }

inline std::size_t skip_space(std::string_view text, std::size_t pos) {
  while (pos < text.size() && is_space(text[pos])) ++pos;
  return pos;
}

// The white-space-delimited field starting at or after `pos`; `pos` is moved
// past it. Empty when only white space is left.
inline std::string_view next_field(std::string_view text, std::size_t& pos) {
  std::size_t start = skip_space(text, pos);
  std::size_t end = start;
  while (end < text.size() && !is_space(text[end])) ++end;
  pos = end;
  return text.substr(start, end - start);
}

}  // namespace rxnform
