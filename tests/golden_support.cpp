#include "golden_support.hpp"

#include <fstream>
#include <random>
#include <sstream>

#include "driver/byte_sink.hpp"
#include "driver/run.hpp"

namespace rxnform_test {

using namespace std::string_literals;

const std::vector<golden_case>& golden_cases() {
  static const std::vector<golden_case> cases = {
#include "golden_cases.inc"
  };
  return cases;
}

std::string with_crlf(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

std::string read_file(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

void write_file(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary);
  out << bytes;
}

ScratchDir::ScratchDir() : previous_(std::filesystem::current_path()) {
  std::random_device seed;
  path_ = std::filesystem::temp_directory_path() / ("rxnform-test-" + std::to_string(seed()));
  std::filesystem::create_directories(path_);
  std::filesystem::current_path(path_);
}

ScratchDir::~ScratchDir() {
  std::filesystem::current_path(previous_);
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

command_result run_rxnform(const std::vector<std::string>& args) {
  std::vector<const char*> argv = {"rxnform"};
  for (const std::string& arg : args) argv.push_back(arg.c_str());
  rxnform::StringSink console;
  int status = rxnform::run_command(static_cast<int>(argv.size()), argv.data(), console);
  // The banner is its first five lines.
  const std::string& text = console.text();
  std::size_t end = 0;
  for (int line = 0; line < 5 && end != std::string::npos; ++line) {
    end = text.find('\n', end);
    if (end != std::string::npos) ++end;
  }
  if (end == std::string::npos) end = text.size();
  return {status, text.substr(end), text.substr(0, end)};
}

}  // namespace rxnform_test
