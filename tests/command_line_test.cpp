// The command line, the opening of the four files and the failures that end
// a run: each with its exact console text and status.
#include <gtest/gtest.h>

#include <filesystem>

#include "golden_support.hpp"

namespace rxnform_test {
namespace {

namespace fs = std::filesystem;

const char kUsage[] =
    "Usage: rxnform [-c] abbr_file react_file exch_file mps_file\n"
    "\n"
    "-c:         do not check chemical balance of reactions (check by default)\n"
    "abbr_file:  text file, each line shall be <abbr [chemical_formula]>\n"
    "react_file: text file, each line shall be <name reaction>\n"
    "exch_file:  text file, each line shall be <name reaction lower upper>\n"
    "mps_file:   output text file in MPS format\n"
    "\n"
    "Thank you for using the program.\n"
    "\n";
const char kCantOpen[] = "Can't read or create file(s) - check arguments\n";
const char kNoCheck[] = "Warning: Chemical balance of reactions will not be checked!\n\n";

// The worked example's tables, written into the scratch directory.
void write_example() {
  const golden_case& example = golden_cases().front();
  write_file("abbr.txt", example.abbr);
  write_file("react.txt", example.react);
  write_file("exch.txt", example.exch);
}

TEST(CommandLine, BannerNamesTheVersion) {
  ScratchDir dir;
  command_result result = run_rxnform({});
  EXPECT_EQ(result.banner.substr(0, 1), "\n");
  EXPECT_NE(result.banner.find("\nCreating MPS file from Excel spreadsheet (see doc) v.1.4"),
            std::string::npos);
  EXPECT_EQ(result.banner.substr(result.banner.size() - 2), "\n\n");
}

struct fatal_case {
  std::vector<std::string> args;
  std::string console;
  int status;
};

TEST(CommandLine, UsageAndFilesThatCannotBeOpened) {
  const std::vector<fatal_case> cases = {
      {{}, kUsage, 0},
      {{"abbr.txt"}, kUsage, 0},
      {{"abbr.txt", "react.txt"}, kUsage, 0},
      {{"-c", "abbr.txt"}, kUsage, 0},
      {{"abbr.txt", "react.txt", "exch.txt"}, kCantOpen, -1},
      {{"-c", "abbr.txt", "react.txt", "exch.txt"}, std::string(kNoCheck) + kCantOpen, -1},
      {{"-x", "abbr.txt", "react.txt", "exch.txt"}, kCantOpen, -1},  // -x is a file name
      {{"abbr.txt", "missing.txt", "exch.txt", "out.mps"}, kCantOpen, -1},
      {{"abbr.txt", "react.txt", "exch.txt", "no-such-dir/out.mps"}, kCantOpen, -1},
  };
  for (const fatal_case& c : cases) {
    ScratchDir dir;
    write_example();
    command_result result = run_rxnform(c.args);
    SCOPED_TRACE(testing::PrintToString(c.args));
    EXPECT_EQ(result.console, c.console);
    EXPECT_EQ(result.status, c.status);
  }
}

TEST(CommandLine, MissingInputStillCreatesAnEmptyModelFile) {
  ScratchDir dir;
  write_example();
  write_file("out.mps", "old contents");
  command_result result = run_rxnform({"abbr.txt", "missing.txt", "exch.txt", "out.mps"});
  EXPECT_EQ(result.status, -1);
  ASSERT_TRUE(fs::exists("out.mps"));
  EXPECT_EQ(fs::file_size("out.mps"), 0u);
}

TEST(CommandLine, SwitchSpellingsAndExtraArguments) {
  for (const char* option : {"-c", "-C", "/c", "/C", "-cx"}) {
    ScratchDir dir;
    write_example();
    command_result result =
        run_rxnform({option, "abbr.txt", "react.txt", "exch.txt", "out.mps", "extra", "more"});
    SCOPED_TRACE(option);
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.console.substr(0, sizeof kNoCheck - 1), kNoCheck);
    EXPECT_NE(result.console.find("2 reactions accepted from file 'react.txt'\n"),
              std::string::npos);
    EXPECT_EQ(read_file("out.mps"), with_crlf(golden_cases().front().model));
  }
}

// A path such as "/cluster/abbr.txt" begins like "/c" but names a file: no
// warning, and the four names stay in place (the fourth is created).
TEST(CommandLine, AbsolutePathIntoADirectoryStartingWithCIsAFileName) {
  for (const char* abbr : {"/cluster/abbr.txt", "/Cells/x", "/c/"}) {
    ScratchDir dir;
    command_result result = run_rxnform({abbr, "react.txt", "exch.txt", "out.mps"});
    SCOPED_TRACE(abbr);
    EXPECT_EQ(result.console, kCantOpen);
    EXPECT_EQ(result.status, -1);
    EXPECT_TRUE(fs::exists("out.mps"));
  }
}

TEST(CommandLine, ModelFileNamingAnInputLeavesTheInputUntouched) {
  ScratchDir dir;
  write_example();
  fs::create_hard_link("react.txt", "link.txt");
  const std::string react = read_file("react.txt");
  for (const char* output : {"abbr.txt", "./react.txt", "link.txt", "exch.txt"}) {
    SCOPED_TRACE(output);
    command_result result = run_rxnform({"abbr.txt", "react.txt", "exch.txt", output});
    EXPECT_EQ(result.console, kCantOpen);
    EXPECT_EQ(result.status, -1);
    EXPECT_EQ(read_file("react.txt"), react);
  }
  EXPECT_EQ(read_file("abbr.txt"), golden_cases().front().abbr);
  EXPECT_EQ(read_file("exch.txt"), golden_cases().front().exch);
}

TEST(CommandLine, ReadErrorStopsTheRunAndSaysWhichFile) {
  ScratchDir dir;
  write_example();
  fs::create_directory("tables");
  command_result result = run_rxnform({"abbr.txt", "tables", "exch.txt", "out.mps"});
  EXPECT_EQ(result.console,
            "6 metabolites accepted from file 'abbr.txt'\n"
            "Can't read file 'tables'\n");
  EXPECT_EQ(result.status, -1);
  // The model keeps what was written before the failure.
  const std::string model = read_file("out.mps");
  EXPECT_EQ(model.substr(0, 24), "NAME          from_xls\r\n");
  EXPECT_TRUE(
      model.ends_with(" E  h\r\n"
                      "********************************************************\r\n"
                      "COLUMNS\r\n"));
}

TEST(CommandLine, WriteFailureIsReportedInsteadOfTheTotal) {
  if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full here";
  ScratchDir dir;
  write_example();
  command_result result = run_rxnform({"abbr.txt", "react.txt", "exch.txt", "/dev/full"});
  EXPECT_EQ(result.status, -1);
  EXPECT_EQ(result.console,
            "6 metabolites accepted from file 'abbr.txt'\n"
            "2 reactions accepted from file 'react.txt', 2 have proper chemical balance\n"
            "1 exchange reactions with bounds accepted from file 'exch.txt'\n"
            "0 bound pairs added for reversible reactions\n"
            "Can't write file '/dev/full'\n");
}

}  // namespace
}  // namespace rxnform_test
