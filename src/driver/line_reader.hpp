// The one rule by which the three input tables are read: text lines of at
// most 2047 characters, carriage returns dropped, 0x1A ending the file,
// lines of one character or less skipped as blank.
#pragma once

#include <cstddef>
#include <cstdio>
#include <memory>
#include <string_view>

namespace rxnform {

// Where an input table's bytes come from.
class ByteSource {
 public:
  virtual ~ByteSource() = default;
  // Reads up to `capacity` bytes; 0 at the end of the data or on an error.
  virtual std::size_t read(char* buffer, std::size_t capacity) = 0;
  // True once a read has failed (an I/O error, a directory given as a file).
  virtual bool failed() const = 0;
};

// A C stream that the source owns and closes.
class FileSource final : public ByteSource {
 public:
  explicit FileSource(std::FILE* file);
  ~FileSource() override;
  FileSource(const FileSource&) = delete;
  FileSource& operator=(const FileSource&) = delete;

  std::size_t read(char* buffer, std::size_t capacity) override;
  bool failed() const override { return failed_; }

 private:
  std::FILE* file_;
  bool failed_ = false;
};

// Bytes already in memory; used by tests and the fuzzer.
class MemorySource final : public ByteSource {
 public:
  explicit MemorySource(std::string_view bytes) : bytes_(bytes) {}
  std::size_t read(char* buffer, std::size_t capacity) override;
  bool failed() const override { return false; }

 private:
  std::string_view bytes_;
};

enum class read_status { line, end, error };

class LineReader {
 public:
  static constexpr std::size_t kMaxLine = 2047;  // characters one read delivers

  explicit LineReader(ByteSource& source);

  // Delivers the next non-blank line without its line feed, and its
  // `line_number`. The view stays valid until the next call.
  read_status read_line(std::string_view& line, int& line_number);

 private:
  bool fill();
  std::size_t read_piece();

  static constexpr std::size_t kBlock = std::size_t{64} * 1024;

  ByteSource& source_;
  std::unique_ptr<char[]> block_;  // raw bytes as read from the source
  std::size_t block_pos_ = 0;      // next unread byte of block_
  std::size_t block_len_ = 0;      // bytes held in block_
  bool started_ = false;           // the byte-order-mark check is done
  bool ended_ = false;             // end of data, 0x1A, or an error met
  int lines_delivered_ = 0;        // non-blank lines so far: the last line_number
  char piece_[kMaxLine + 1] = {};  // one piece of a line as read, line feed included
};

}  // namespace rxnform
