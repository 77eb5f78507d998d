#include "driver/byte_sink.hpp"

namespace rxnform {

FileSink::FileSink(std::FILE* file, bool owned) : file_(file), owned_(owned) {
  // Callers hand over large blocks; a second buffer in the stream would only copy.
  if (owned_) std::setvbuf(file_, nullptr, _IONBF, 0);
}

FileSink::~FileSink() { finish(); }

void FileSink::write(std::string_view bytes) {
  if (file_ == nullptr || failed_ || bytes.empty()) return;
  if (std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size()) failed_ = true;
}

bool FileSink::finish() {
  if (file_ == nullptr) return !failed_;
  if (std::fflush(file_) != 0 || std::ferror(file_) != 0) failed_ = true;
  if (owned_ && std::fclose(file_) != 0) failed_ = true;
  file_ = nullptr;
  return !failed_;
}

}  // namespace rxnform
