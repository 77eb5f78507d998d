// Destinations for the bytes the converter writes: the model file and the
// console. A sink remembers the first failure instead of throwing, so the run
// can finish its sequence and report the failure once at the end.
#pragma once

#include <cstddef>
#include <cstdio>
#include <string>
#include <string_view>

namespace rxnform {

class ByteSink {
 public:
  virtual ~ByteSink() = default;
  // Appends bytes. After a failure further writes are dropped.
  virtual void write(std::string_view bytes) = 0;
  // Pushes everything out and releases the destination; false if any write,
  // the flush or the close failed.
  virtual bool finish() = 0;
};

// Writes to a C stream that the sink owns (or borrows, for standard output).
class FileSink final : public ByteSink {
 public:
  FileSink(std::FILE* file, bool owned);
  ~FileSink() override;
  FileSink(const FileSink&) = delete;
  FileSink& operator=(const FileSink&) = delete;

  void write(std::string_view bytes) override;
  bool finish() override;

 private:
  std::FILE* file_;  // null once finished
  bool owned_;       // close on finish, else only flush
  bool failed_ = false;
};

// Collects the bytes in memory; used by tests and the fuzzer.
class StringSink final : public ByteSink {
 public:
  void write(std::string_view bytes) override { text_.append(bytes); }
  bool finish() override { return true; }
  const std::string& text() const { return text_; }

 private:
  std::string text_;
};

}  // namespace rxnform
