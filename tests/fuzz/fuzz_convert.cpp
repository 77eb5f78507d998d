// Fuzz target: one input holds the three tables, separated by "@@@@". A whole
// conversion runs in-process, with the balance check on and then off, and
// every run must keep the invariants of a correct converter; a broken one
// aborts, which the fuzzer reports with the input.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "driver/byte_sink.hpp"
#include "driver/line_reader.hpp"
#include "driver/run.hpp"

namespace {

void require(bool condition, const char* what, std::string_view context = "") {
  if (condition) return;
  std::fprintf(stderr, "invariant broken: %s\n", what);
  std::fwrite(context.data(), 1, context.size(), stderr);
  std::fputc('\n', stderr);
  std::abort();
}

std::vector<std::string_view> split(std::string_view text, std::string_view separator,
                                    std::size_t pieces) {
  std::vector<std::string_view> out;
  while (out.size() + 1 < pieces) {
    std::size_t at = text.find(separator);
    if (at == std::string_view::npos) break;
    out.push_back(text.substr(0, at));
    text.remove_prefix(at + separator.size());
  }
  out.push_back(text);
  while (out.size() < pieces) out.emplace_back();
  return out;
}

// The console may hold only the converter's own messages.
void check_console(std::string_view console) {
  static const std::vector<std::pair<std::string_view, std::string_view>> forms = {
      {"Abbreviation too long in line ", " - truncated"},
      {"Formula too long in line ", " - truncated"},
      {"Repeated atom ", ""},
      {"Unknown atom ", ""},
      {"Too many metabolites - remainder ignored", ""},
      {"Reaction name too long in line ", " - truncated"},
      {"Reaction too long in line ", " - truncated"},
      {"Invalid reaction compartment in line ", ""},
      {"No closing ) in line ", ""},
      {"Invalid [ modifier in line ", ""},
      {"No name or name too long in line ", ""},
      {"Unknown name '", ""},
      {"Inequal balance in line ", " )"},
      {"Too many reactions - remainder ignored", ""},
      {"Invalid exchange reaction name in line ", ""},
      {"Exchange reaction name too long in line ", " - truncated"},
      {"No [e] in exchange reaction in line ", ""},
      {"Inconsistent exchange names in line ", ""},
      {"No exchange symbol in line ", ""},
      {"Invalid exchange symbol in line ", ""},
      {"Invalid exchange bound(s) in line ", ""},
      {"Total ", " lines written into file 'model.mps'"},
      {"Thank you for using the program.", ""},
  };
  static const std::vector<std::string_view> summaries = {
      " metabolites accepted from file 'abbr.txt'",
      " reactions accepted from file 'react.txt'",
      " exchange reactions with bounds accepted from file 'exch.txt'",
      " bound pairs added for reversible reactions",
  };
  std::size_t pos = 0;
  while (pos < console.size()) {
    std::size_t end = console.find('\n', pos);
    require(end != std::string_view::npos, "console text ends without a line break", console);
    std::string_view line = console.substr(pos, end - pos);
    pos = end + 1;
    if (line.empty()) continue;
    bool known = false;
    for (const auto& [prefix, suffix] : forms) {
      known = known || (line.starts_with(prefix) && line.ends_with(suffix) &&
                        line.size() >= prefix.size() + suffix.size());
    }
    std::size_t digits = line.find_first_not_of("0123456789");
    if (!known && digits != 0 && digits != std::string_view::npos) {
      std::string_view rest = line.substr(digits);
      for (std::string_view summary : summaries) known = known || rest.starts_with(summary);
    }
    require(known, "console line that is not one of the converter's messages", line);
  }
}

// True when `name` was cut from something that stands in `text` (read with
// its carriage returns dropped, as the converter reads it).
bool defined_in(std::string_view text, std::string_view name) {
  return !name.empty() && text.find(name) != std::string_view::npos;
}

void check_model(std::string_view model, std::string_view console, std::string_view abbr,
                 std::string_view react, std::string_view exch) {
  require(model.ends_with("ENDATA\r\n"), "model does not end with ENDATA CR LF", model);
  require(model.find('\0') == std::string_view::npos, "NUL byte in the model");

  static const std::set<std::string_view> fixed = {
      "NAME          from_xls",
      "ROWS",
      "COLUMNS",
      "RHS",
      "BOUNDS",
      "ENDATA",
      "********************************************************"};
  std::set<std::string> columns;
  int lines = 0;
  int section = 0;  // 0 ROWS, 1 COLUMNS, 2 BOUNDS
  std::size_t pos = 0;
  while (pos < model.size()) {
    std::size_t end = model.find("\r\n", pos);
    require(end != std::string_view::npos, "model line without CR LF", model.substr(pos));
    std::string_view line = model.substr(pos, end - pos);
    pos = end + 2;
    ++lines;
    require(line.find('\r') == std::string_view::npos && line.find('\n') == std::string_view::npos,
            "lone CR or LF inside a model line", line);
    if (fixed.count(line) != 0) {
      if (line == "COLUMNS") section = 1;
      if (line == "BOUNDS") section = 2;
      continue;
    }
    if (section == 0) {
      require(line.size() > 4 && line.size() <= 12 &&
                  (line.starts_with(" N  ") || line.starts_with(" E  ")),
              "malformed row record", line);
      std::string_view name = line.substr(4);
      require(name.find_first_of(" \t\n\v\f\r") == std::string_view::npos,
              "row name with white space", line);
      require(defined_in(abbr, name), "row name not in the input", line);
    } else if (section == 1) {
      require(line.size() >= 36 && line.starts_with("    ") && line[4] != ' ' && line[14] != ' ',
              "malformed entry record", line);
      std::string_view column = line.substr(4, 10);
      column = column.substr(0, column.find(' '));
      bool exchange = column[0] == 'X' && defined_in(exch, column.substr(1));
      require(defined_in(react, column) || exchange || column == "X",
              "column name not in the input", line);
      columns.insert(std::string(column));
      require(line.size() == 36, "entry value not ending in column 36", line);
    } else {
      require(line.size() >= 36 &&
                  (line.starts_with(" LO BND       ") || line.starts_with(" UP BND       ")) &&
                  line[14] != ' ',
              "malformed bound record", line);
      require(line.size() == 36, "bound value not ending in column 36", line);
      std::string_view column = line.substr(14);
      column = column.substr(0, column.find(' '));
      require(columns.count(std::string(column)) != 0 || defined_in(react, column),
              "bound on a column the model does not have", line);
    }
  }
  std::string total = "Total " + std::to_string(lines) + " lines written into file 'model.mps'\n";
  require(console.find(total) != std::string_view::npos, "line total does not match the model",
          console);
}

std::string without_cr(std::string_view text) {
  std::string out;
  for (char c : text) {
    if (c != '\r') out += c;
  }
  return out;
}

void run_once(std::string_view abbr, std::string_view react, std::string_view exch,
              bool check_balance) {
  rxnform::MemorySource a(abbr), r(react), e(exch);
  rxnform::StringSink model, console;
  rxnform::conversion_inputs inputs{a,           r,          e,           "abbr.txt",
                                    "react.txt", "exch.txt", "model.mps", check_balance};
  int status = rxnform::convert(inputs, model, console);
  require(status == 0, "status is not 0", console.text());
  check_console(console.text());
  check_model(model.text(), console.text(), without_cr(abbr), without_cr(react), without_cr(exch));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view input(reinterpret_cast<const char*>(data), size);
  std::vector<std::string_view> tables = split(input, "@@@@", 3);
  run_once(tables[0], tables[1], tables[2], true);
  run_once(tables[0], tables[1], tables[2], false);
  return 0;
}
