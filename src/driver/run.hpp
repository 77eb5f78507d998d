// A whole conversion run. The command line form opens the files; the
// in-process form takes its inputs and sinks ready-made, so tests and the
// fuzzer drive the converter without touching the file system.
#pragma once

#include <string_view>

#include "driver/byte_sink.hpp"
#include "driver/line_reader.hpp"

namespace rxnform {

constexpr int kStatusOk = 0;
constexpr int kStatusFailed = -1;

struct conversion_inputs {
  ByteSource& abbr;   // the metabolite table
  ByteSource& react;  // the reaction table
  ByteSource& exch;   // the exchange reaction table
  // The four file names as typed, for the messages.
  std::string_view abbr_name;
  std::string_view react_name;
  std::string_view exch_name;
  std::string_view mps_name;
  bool check_balance = true;
};

// Runs the conversion from the allocation of the tables to the closing
// message, writing the model to `model` and every message to `console`.
// Returns the exit status.
int convert(const conversion_inputs& inputs, ByteSink& model, ByteSink& console);

// The program: banner, command line, files, then the conversion. Returns the
// exit status.
int run_command(int argc, const char* const* argv, ByteSink& console);

}  // namespace rxnform
