#include "model_writer/model_writer.hpp"

#include <algorithm>
#include <cstring>

#include "model_writer/number_format.hpp"

namespace rxnform {

namespace {

char* put(char* out, std::string_view text) {
  std::memcpy(out, text.data(), text.size());
  return out + text.size();
}

char* put_line_end(char* out) {
  out[0] = '\r';
  out[1] = '\n';
  return out + 2;
}

}  // namespace

ModelWriter::ModelWriter(ByteSink& sink) : sink_(sink), buffer_(new char[kBufferSize]) {}

char* ModelWriter::reserve(std::size_t length) {
  if (used_ + length <= kBufferSize) return buffer_.get() + used_;
  flush();
  if (length <= kBufferSize) return buffer_.get();
  oversize_.reset(new char[length]);
  return oversize_.get();
}

void ModelWriter::commit(char* end) {
  ++lines_written_;
  if (oversize_) {
    sink_.write(std::string_view(oversize_.get(), static_cast<std::size_t>(end - oversize_.get())));
    oversize_.reset();
    return;
  }
  used_ = static_cast<std::size_t>(end - buffer_.get());
}

void ModelWriter::flush() {
  if (used_ == 0) return;
  sink_.write(std::string_view(buffer_.get(), used_));
  used_ = 0;
}

bool ModelWriter::finish() {
  flush();
  return sink_.finish();
}

char* ModelWriter::put_value(char* out, std::size_t name_length, double value) {
  const std::string_view text = value_text(value);
  const std::size_t length = text.size();
  std::size_t used = name_length + length;
  if (used < kValueField) {
    std::memset(out, ' ', kValueField - used);
    out += kValueField - used;
  }
  return put(out, text);
}

void ModelWriter::write_text(std::string_view lines) {
  while (!lines.empty()) {
    std::size_t end = std::min(lines.find('\n'), lines.size());
    std::string_view line = lines.substr(0, end);
    char* out = reserve(line.size() + kLineEnd);
    commit(put_line_end(put(out, line)));
    lines.remove_prefix(std::min(end + 1, lines.size()));
  }
}

void ModelWriter::write_row(char type, std::string_view name) {
  char* out = reserve(4 + name.size() + kLineEnd);
  out[0] = ' ';
  out[1] = type;
  out[2] = ' ';
  out[3] = ' ';
  commit(put_line_end(put(out + 4, name)));
}

void ModelWriter::write_entry_general(std::string_view column, std::string_view row, double value) {
  char* out = reserve(4 + std::max(column.size(), kColumnField) + row.size() + kValueField +
                      kNumberChars + kLineEnd);
  std::memset(out, ' ', 4);
  out = put(out + 4, column);
  if (column.size() < kColumnField) {
    std::memset(out, ' ', kColumnField - column.size());
    out += kColumnField - column.size();
  }
  out = put(out, row);
  commit(put_line_end(put_value(out, row.size(), value)));
}

void ModelWriter::write_bound(bound_type type, std::string_view column, double value) {
  char* out = reserve(14 + column.size() + kValueField + kNumberChars + kLineEnd);
  out = put(out, type == bound_type::lower ? " LO BND       " : " UP BND       ");
  out = put(out, column);
  commit(put_line_end(put_value(out, column.size(), value)));
}

}  // namespace rxnform
