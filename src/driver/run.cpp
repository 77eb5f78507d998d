#include "driver/run.hpp"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <system_error>

#include "driver/console.hpp"
#include "driver/run_state.hpp"
#include "model_writer/model_writer.hpp"

namespace rxnform {

namespace {

constexpr std::string_view kVersion = "1.4";
constexpr std::string_view kSeparator =
    "********************************************************\n";

void print_banner(Console& console) {
  console.say("\n",
              "rxnform - turns a metabolic network kept in three text tables into an LP model\n",
              "Free software, provided as is, without any warranty.\n",
              "Creating MPS file from Excel spreadsheet (see doc) v.", kVersion,
              ", by the rxnform developers\n", "\n");
}

void print_usage(Console& console) {
  console.say("Usage: rxnform [-c] abbr_file react_file exch_file mps_file\n", "\n",
              "-c:         do not check chemical balance of reactions (check by default)\n",
              "abbr_file:  text file, each line shall be <abbr [chemical_formula]>\n",
              "react_file: text file, each line shall be <name reaction>\n",
              "exch_file:  text file, each line shall be <name reaction lower upper>\n",
              "mps_file:   output text file in MPS format\n", "\n",
              "Thank you for using the program.\n", "\n");
}

// True when both names lead to one file (a hard link, "./a" and "a", ...).
bool same_file(const char* input, const char* output) {
  std::error_code error;
  return std::filesystem::equivalent(input, output, error) && !error;
}

// "-c" or "/c" (either case; only the first two characters count). An
// absolute path such as "/cluster/abbr.txt" begins with "/c" too, so a
// '/' argument with a directory part is a file name, not the switch.
bool is_check_switch(const char* argument) {
  if (argument[0] != '-' && argument[0] != '/') return false;
  if (argument[1] != 'c' && argument[1] != 'C') return false;
  return argument[0] == '-' || std::strchr(argument + 1, '/') == nullptr;
}

}  // namespace

int convert(const conversion_inputs& inputs, ByteSink& model_sink, ByteSink& console_sink) {
  Console console(console_sink);
  ModelWriter model(model_sink);
  auto run = std::make_unique<run_state>(model, console);
  run->check_balance = inputs.check_balance;
  if (!run->metabolites.allocate() || !run->reactions.allocate() || !run->exchanges.allocate()) {
    console.say("Can't allocate structure(s)\n");
    return kStatusFailed;
  }

  // A read error would otherwise pass for the end of the table and yield a
  // model cut short; the model keeps what was written so far.
  auto read_failed = [&](std::string_view file_name) {
    model.finish();
    console.say("Can't read file '", file_name, "'\n");
    return kStatusFailed;
  };

  // Each line reader lives for its phase only, so the next one reuses its memory.
  model.write_text("NAME          from_xls\nROWS\n");
  {
    LineReader abbr(inputs.abbr);
    if (read_metabolites(*run, abbr, inputs.abbr_name) == read_status::error) {
      return read_failed(inputs.abbr_name);
    }
  }
  model.write_text(kSeparator);
  model.write_text("COLUMNS\n");
  {
    LineReader react(inputs.react);
    if (read_reactions(*run, react, inputs.react_name) == read_status::error) {
      return read_failed(inputs.react_name);
    }
  }
  model.write_text(kSeparator);
  {
    LineReader exch(inputs.exch);
    if (read_exchanges(*run, exch) == read_status::error) return read_failed(inputs.exch_name);
  }
  model.write_text(kSeparator);
  model.write_text("RHS\nBOUNDS\n");
  write_exchange_bounds(*run, inputs.exch_name);
  model.write_text(kSeparator);
  write_reversible_bounds(*run);
  model.write_text("ENDATA\n");

  if (!model.finish()) {
    console.say("Can't write file '", inputs.mps_name, "'\n");
    return kStatusFailed;
  }
  console.say("Total ", model.lines_written(), " lines written into file '", inputs.mps_name,
              "'\n\n");
  console.say("Thank you for using the program.\n\n");
  return kStatusOk;
}

int run_command(int argc, const char* const* argv, ByteSink& console_sink) {
  Console console(console_sink);
  print_banner(console);
  if (argc - 1 < 3) {
    print_usage(console);
    return kStatusOk;
  }

  bool check_balance = true;
  int first = 1;
  if (is_check_switch(argv[1])) {
    check_balance = false;
    first = 2;
    console.say("Warning: Chemical balance of reactions will not be checked!\n\n");
  }

  // All four files are opened before any result is tested.
  const char* names[4] = {};
  for (int i = 0; i < 4; ++i) names[i] = first + i < argc ? argv[first + i] : nullptr;
  std::FILE* inputs[3] = {};
  for (int i = 0; i < 3; ++i) inputs[i] = names[i] ? std::fopen(names[i], "r") : nullptr;
  std::FILE* output = nullptr;
  if (names[3] != nullptr) {
    // Opening an input for writing would empty it before it is read.
    bool clash = false;
    for (int i = 0; i < 3; ++i) clash = clash || (inputs[i] && same_file(names[i], names[3]));
    if (!clash) output = std::fopen(names[3], "w");
  }
  if (!inputs[0] || !inputs[1] || !inputs[2] || !output) {
    for (std::FILE* file : inputs) {
      if (file) std::fclose(file);
    }
    if (output) std::fclose(output);
    console.say("Can't read or create file(s) - check arguments\n");
    return kStatusFailed;
  }

  FileSource abbr(inputs[0]);
  FileSource react(inputs[1]);
  FileSource exch(inputs[2]);
  FileSink model(output, /*owned=*/true);
  conversion_inputs conversion{abbr,     react,    exch,     names[0],
                               names[1], names[2], names[3], check_balance};
  return convert(conversion, model, console_sink);
}

}  // namespace rxnform
