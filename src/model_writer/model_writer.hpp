// The model file in fixed-column MPS format: its fixed texts, its three kinds
// of record, and the count of lines written. Every line ends with CR LF.
//
// Record layouts (columns counted from 1):
//   row     " %c  %s"              type in column 2, row name from column 5
//   entry   "    %-10s%s%*g"       column name in 5-14, row name from 15,
//                                  value right-justified to column 36
//   bound   " LO BND       %s%*g"  type in 2-3, set name BND in 5-7, column
//                                  name from 15, value right-justified to 36
// The value field is 22 characters minus the preceding name's length, so
// names of up to 8 characters put every value's end in column 36. A longer
// name is written whole and shifts what follows.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string_view>

#include "driver/byte_sink.hpp"
#include "model_writer/number_format.hpp"

namespace rxnform {

enum class bound_type { lower, upper };

class ModelWriter {
 public:
  explicit ModelWriter(ByteSink& sink);
  ModelWriter(const ModelWriter&) = delete;
  ModelWriter& operator=(const ModelWriter&) = delete;

  // Fixed text of one or more whole lines, each ended by '\n' here.
  void write_text(std::string_view lines);
  void write_row(char type, std::string_view name);
  inline void write_entry(std::string_view column, std::string_view row, double value);
  void write_bound(bound_type type, std::string_view column, double value);

  int lines_written() const { return lines_written_; }

  // Hands the buffered lines to the sink, which flushes and closes it; false
  // if anything written to the model file was lost.
  bool finish();
  // Hands the buffered lines to the sink without closing it.
  void flush();

 private:
  char* reserve(std::size_t length);
  void commit(char* end);
  // Appends a number right-justified in a field that ends in column 36 when
  // the name before it (of `name_length` characters) starts in column 15.
  char* put_value(char* out, std::size_t name_length, double value);
  // The printed form of a value; valid until the next call.
  inline std::string_view value_text(double value);
  void write_entry_general(std::string_view column, std::string_view row, double value);

  static constexpr std::size_t kColumnField = 10;  // column name: columns 5 to 14
  static constexpr std::size_t kValueField = 22;   // name plus value: columns 15 to 36
  static constexpr std::size_t kLineEnd = 2;       // CR LF
  static constexpr std::size_t kBufferSize = std::size_t{256} * 1024;

  ByteSink& sink_;
  std::unique_ptr<char[]> buffer_;
  std::size_t used_ = 0;              // bytes of buffer_ not yet handed to the sink
  int lines_written_ = 0;             // every line written, fixed texts included
  std::unique_ptr<char[]> oversize_;  // for a record longer than the buffer
  // The last value printed, since a column's entries often repeat one.
  double cached_value_ = 0;
  char cached_text_[kNumberChars] = {'0'};
  std::size_t cached_length_ = 1;
};

namespace model_writer_detail {

// Copies at most 16 bytes without a call: two overlapping loads and stores.
inline void copy_short(char* out, const char* in, std::size_t n) {
  if (n >= 8) {
    std::uint64_t head, tail;
    std::memcpy(&head, in, 8);
    std::memcpy(&tail, in + n - 8, 8);
    std::memcpy(out, &head, 8);
    std::memcpy(out + n - 8, &tail, 8);
  } else if (n >= 4) {
    std::uint32_t head, tail;
    std::memcpy(&head, in, 4);
    std::memcpy(&tail, in + n - 4, 4);
    std::memcpy(out, &head, 4);
    std::memcpy(out + n - 4, &tail, 4);
  } else if (n > 0) {
    out[0] = in[0];
    out[n / 2] = in[n / 2];
    out[n - 1] = in[n - 1];
  }
}

}  // namespace model_writer_detail

inline std::string_view ModelWriter::value_text(double value) {
  if (value == -1) return "-1";
  if (value == 1) return "1";
  if (!(value == cached_value_)) {
    cached_length_ = format_number(value, cached_text_);
    cached_value_ = value;
  }
  return std::string_view(cached_text_, cached_length_);
}

// Entries are most of the model file: the common case, where both names fit
// their fields, is laid out here on a template of blanks at a fixed length.
inline void ModelWriter::write_entry(std::string_view column, std::string_view row, double value) {
  constexpr std::size_t kRowAt = 4 + kColumnField;         // the row name starts in column 15
  constexpr std::size_t kValueEnd = kRowAt + kValueField;  // the value ends in column 36
  constexpr std::size_t kLength = kValueEnd + kLineEnd;
  if (column.size() > kColumnField || row.size() > 8) {
    write_entry_general(column, row, value);
    return;
  }
  const std::string_view text = value_text(value);  // at most 13 characters
  if (used_ + kLength > kBufferSize) flush();
  char* out = buffer_.get() + used_;
  std::memset(out, ' ', kValueEnd);
  model_writer_detail::copy_short(out + 4, column.data(), column.size());
  model_writer_detail::copy_short(out + kRowAt, row.data(), row.size());
  model_writer_detail::copy_short(out + kValueEnd - text.size(), text.data(), text.size());
  out[kValueEnd] = '\r';
  out[kValueEnd + 1] = '\n';
  used_ += kLength;
  ++lines_written_;
}

}  // namespace rxnform
