// Console messages. Each message is assembled from its pieces (texts and
// integers) and written whole, so a message can never overrun a buffer,
// whatever the length of a file name or of a name taken from the input.
#pragma once

#include <charconv>
#include <string>
#include <string_view>
#include <type_traits>

#include "driver/byte_sink.hpp"

namespace rxnform {

class Console {
 public:
  explicit Console(ByteSink& sink) : sink_(sink) {}

  template <typename... Pieces>
  void say(const Pieces&... pieces) {
    message_.clear();
    (append(pieces), ...);
    sink_.write(message_);
  }

 private:
  void append(std::string_view text) { message_.append(text); }
  void append(const char* text) { message_.append(text); }
  void append(const std::string& text) { message_.append(text); }
  void append(int number) {
    char digits[16];
    auto result = std::to_chars(digits, digits + sizeof digits, number);
    message_.append(digits, result.ptr);
  }

  ByteSink& sink_;
  std::string message_;  // reused between messages
};

}  // namespace rxnform
