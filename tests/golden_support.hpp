// Shared by the end-to-end tests: the case table and a scratch directory in
// which runs of the real command line happen.
#pragma once

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

namespace rxnform_test {

struct golden_case {
  const char* name;
  std::vector<std::string> switches;
  std::string abbr;
  std::string react;
  std::string exch;
  std::string console;  // after the banner
  std::string model;    // lines ended by "\n" here, by CR LF in the file
  int status;
};

const std::vector<golden_case>& golden_cases();

// Test names show the case's name, not its bytes.
inline void PrintTo(const golden_case& c, std::ostream* out) { *out << c.name; }

// The model text as written: every "\n" becomes CR LF.
std::string with_crlf(const std::string& text);

std::string read_file(const std::filesystem::path& path);
void write_file(const std::filesystem::path& path, const std::string& bytes);

// A fresh directory that is the working directory while the object lives.
class ScratchDir {
 public:
  ScratchDir();
  ~ScratchDir();
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path previous_;
  std::filesystem::path path_;
};

struct command_result {
  int status;
  std::string console;  // after the banner
  std::string banner;
};

// Runs the program's command line in-process, as `rxnform args...`.
command_result run_rxnform(const std::vector<std::string>& args);

}  // namespace rxnform_test
