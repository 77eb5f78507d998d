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
  void write_entry(std::string_view column, std::string_view row, double value);
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

}  // namespace rxnform
