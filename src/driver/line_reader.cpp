#include "driver/line_reader.hpp"

#include <algorithm>
#include <cstring>

namespace rxnform {

FileSource::FileSource(std::FILE* file) : file_(file) {
  // The line reader asks for large blocks; the stream's own buffer would only copy.
  std::setvbuf(file_, nullptr, _IONBF, 0);
}

FileSource::~FileSource() { std::fclose(file_); }

std::size_t FileSource::read(char* buffer, std::size_t capacity) {
  std::size_t got = std::fread(buffer, 1, capacity, file_);
  if (got == 0 && std::ferror(file_) != 0) failed_ = true;
  return got;
}

std::size_t MemorySource::read(char* buffer, std::size_t capacity) {
  std::size_t got = std::min(capacity, bytes_.size());
  if (got == 0) return 0;  // an empty view may have no storage at all
  std::memcpy(buffer, bytes_.data(), got);
  bytes_.remove_prefix(got);
  return got;
}

LineReader::LineReader(ByteSource& source) : source_(source), block_(new char[kBlock]) {}

bool LineReader::fill() {
  if (ended_) return false;
  block_pos_ = 0;
  block_len_ = source_.read(block_.get(), kBlock);
  if (!started_) {
    // A byte-order mark written by a spreadsheet program would otherwise glue
    // itself to the first name of the file.
    started_ = true;
    while (block_len_ < 3 && block_len_ > 0 && !source_.failed()) {
      std::size_t more = source_.read(block_.get() + block_len_, kBlock - block_len_);
      if (more == 0) break;
      block_len_ += more;
    }
    if (block_len_ >= 3 && std::memcmp(block_.get(), "\xEF\xBB\xBF", 3) == 0) {
      block_pos_ = 3;
      if (block_len_ == 3) return fill();  // the block held the mark alone
    }
  }
  if (block_len_ == 0) ended_ = true;
  return block_pos_ < block_len_;
}

// Reads one piece of at most kMaxLine characters, up to and including its line
// feed, with carriage returns dropped. Returns its length; 0 when no further
// character could be read.
std::size_t LineReader::read_piece() {
  std::size_t length = 0;
  while (length < kMaxLine) {
    if (block_pos_ == block_len_ && !fill()) break;
    const char* start = block_.get() + block_pos_;
    const std::size_t room = std::min(block_len_ - block_pos_, kMaxLine - length);
    // Most lines hold neither a carriage return nor 0x1A: copy them whole.
    const void* feed = std::memchr(start, '\n', room);
    const std::size_t span =
        feed ? static_cast<std::size_t>(static_cast<const char*>(feed) - start) + 1 : room;
    if (!std::memchr(start, '\r', span) && !std::memchr(start, '\x1A', span)) {
      std::memcpy(piece_ + length, start, span);
      length += span;
      block_pos_ += span;
      if (feed) break;
      continue;
    }
    for (std::size_t i = 0; i < span; ++i) {
      const char c = start[i];
      if (c == '\r') continue;
      if (c == '\x1A') {  // end-of-file mark: nothing after it is read
        ended_ = true;
        block_len_ = block_pos_ + i + 1;
        block_pos_ = block_len_;
        return length;
      }
      piece_[length++] = c;
    }
    block_pos_ += span;
    if (feed) break;
  }
  return length;
}

read_status LineReader::read_line(std::string_view& line, int& line_number) {
  for (;;) {
    std::size_t length = read_piece();
    if (source_.failed()) return read_status::error;
    if (length == 0) return read_status::end;
    // A NUL byte ends the line's content: nothing after it is looked at.
    if (const void* nul = std::memchr(piece_, '\0', length)) {
      length = static_cast<std::size_t>(static_cast<const char*>(nul) - piece_);
    }
    if (length <= 1) continue;  // blank: no slot, no line number
    if (piece_[length - 1] == '\n') --length;
    line = std::string_view(piece_, length);
    line_number = ++lines_delivered_;
    return read_status::line;
  }
}

}  // namespace rxnform
