// End-to-end golden cases, run through the command line on real files and
// through the in-process conversion on memory buffers; both must give the
// same bytes.
#include <gtest/gtest.h>

#include "driver/byte_sink.hpp"
#include "driver/line_reader.hpp"
#include "driver/run.hpp"
#include "golden_support.hpp"

namespace rxnform_test {
namespace {

class Golden : public ::testing::TestWithParam<golden_case> {};

TEST_P(Golden, CommandLineOnFiles) {
  const golden_case& c = GetParam();
  ScratchDir dir;
  write_file("abbr.txt", c.abbr);
  write_file("react.txt", c.react);
  write_file("exch.txt", c.exch);
  std::vector<std::string> args = c.switches;
  for (const char* name : {"abbr.txt", "react.txt", "exch.txt", "model.mps"}) args.push_back(name);

  command_result result = run_rxnform(args);
  EXPECT_EQ(result.console, c.console);
  EXPECT_EQ(read_file("model.mps"), with_crlf(c.model));
  EXPECT_EQ(result.status, c.status);
}

TEST_P(Golden, InProcessOnMemory) {
  const golden_case& c = GetParam();
  rxnform::MemorySource abbr(c.abbr), react(c.react), exch(c.exch);
  rxnform::StringSink model, console;
  rxnform::conversion_inputs inputs{abbr,        react,      exch,        "abbr.txt",
                                    "react.txt", "exch.txt", "model.mps", c.switches.empty()};
  int status = rxnform::convert(inputs, model, console);
  std::string expected_console = c.console;
  if (!c.switches.empty()) {  // the switch's warning is printed by the command line
    expected_console.erase(0, expected_console.find("\n\n") + 2);
  }
  EXPECT_EQ(console.text(), expected_console);
  EXPECT_EQ(model.text(), with_crlf(c.model));
  EXPECT_EQ(status, c.status);
}

INSTANTIATE_TEST_SUITE_P(Cases, Golden, ::testing::ValuesIn(golden_cases()),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace rxnform_test
