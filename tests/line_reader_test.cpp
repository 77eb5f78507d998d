// The line rule shared by the three input tables.
#include "driver/line_reader.hpp"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

using namespace std::string_literals;
using rxnform::LineReader;
using rxnform::read_status;
using lines = std::vector<std::pair<int, std::string>>;

// Hands out its bytes a few at a time, as a pipe might.
class TrickleSource final : public rxnform::ByteSource {
 public:
  TrickleSource(std::string bytes, std::size_t step) : bytes_(std::move(bytes)), step_(step) {}
  std::size_t read(char* buffer, std::size_t capacity) override {
    std::size_t n = std::min({capacity, step_, bytes_.size() - pos_});
    bytes_.copy(buffer, n, pos_);
    pos_ += n;
    return n;
  }
  bool failed() const override { return false; }

 private:
  std::string bytes_;
  std::size_t step_;
  std::size_t pos_ = 0;
};

// Gives some bytes, then fails as a disk or a directory would.
class FailingSource final : public rxnform::ByteSource {
 public:
  std::size_t read(char* buffer, std::size_t capacity) override {
    if (calls_++ > 0) {
      failed_ = true;
      return 0;
    }
    std::string first = "abc\nde";
    std::size_t n = std::min(capacity, first.size());
    first.copy(buffer, n);
    return n;
  }
  bool failed() const override { return failed_; }

 private:
  int calls_ = 0;
  bool failed_ = false;
};

lines read_all(rxnform::ByteSource& source) {
  LineReader reader(source);
  lines out;
  std::string_view line;
  int number = 0;
  while (reader.read_line(line, number) == read_status::line) out.emplace_back(number, line);
  return out;
}

struct reader_case {
  const char* what;
  std::string input;
  lines expected;
};

TEST(LineReader, Rules) {
  const std::string long_line(3000, 'x');
  const std::vector<reader_case> cases = {
      {"LF lines", "ab\ncd\n", {{1, "ab"}, {2, "cd"}}},
      {"CR LF lines and empty CR LF lines", "ab\r\n\r\ncd\r\n", {{1, "ab"}, {2, "cd"}}},
      {"a lone CR disappears", "ab\rcd\r", {{1, "abcd"}}},
      {"blank lines take no line number",
       "\n\nx\n\nab\n\n\ncd\n",
       {{1, "x"}, {2, "ab"}, {3, "cd"}}},
      {"one character with its line feed is a line, alone it is blank", "a\nb", {{1, "a"}}},
      {"last line without a break is read", "ab\ncd", {{1, "ab"}, {2, "cd"}}},
      {"white space longer than one character is a line", "  \n\t\t\n", {{1, "  "}, {2, "\t\t"}}},
      {"0x1A ends the file",
       "ab\ncd\x1A"
       "ef\ngh\n",
       {{1, "ab"}, {2, "cd"}}},
      {"0x1A at a line's start",
       "ab\n\x1A"
       "cd\n",
       {{1, "ab"}}},
      {"NUL cuts the line, blank rule after", "x\0yz\nab\0cd\n\0\n"s, {{1, "ab"}}},
      {"byte-order mark skipped at the start only",
       "\xEF\xBB\xBF"
       "ab\n\xEF\xBB\xBF"
       "cd\n",
       {{1, "ab"},
        {2,
         "\xEF\xBB\xBF"
         "cd"}}},
      {"a line of 3000 characters comes in two pieces",
       long_line + "\nab\n",
       {{1, long_line.substr(0, 2047)}, {2, long_line.substr(2047)}, {3, "ab"}}},
      {"exactly 2047 characters: the line feed alone is blank",
       long_line.substr(0, 2047) + "\nab\n",
       {{1, long_line.substr(0, 2047)}, {2, "ab"}}},
      {"carriage returns do not count toward 2047",
       std::string(2046, 'y') + "\r\r\rz\n",
       {{1, std::string(2046, 'y') + "z"}}},
      {"empty file", "", {}},
      {"only carriage returns", "\r\r\r", {}},
  };
  for (const reader_case& c : cases) {
    SCOPED_TRACE(c.what);
    rxnform::MemorySource whole(c.input);
    EXPECT_EQ(read_all(whole), c.expected);
    TrickleSource trickle(c.input, 1);  // every block boundary, the mark split over reads
    EXPECT_EQ(read_all(trickle), c.expected);
  }
}

TEST(LineReader, EmptyViewWithoutStorageIsAnEmptyFile) {
  rxnform::MemorySource source{std::string_view{}};  // data() is null
  EXPECT_EQ(read_all(source), lines{});
}

TEST(LineReader, ReadErrorIsNotTheEndOfTheFile) {
  FailingSource source;
  LineReader reader(source);
  std::string_view line;
  int number = 0;
  ASSERT_EQ(reader.read_line(line, number), read_status::line);
  EXPECT_EQ(line, "abc");
  EXPECT_EQ(reader.read_line(line, number), read_status::error);
}

}  // namespace
