// The exchange table: one exchange reaction per line, its name, its reaction
// and two flux bounds. Each accepted line is a column of the model with a
// single -1 in the row of its extracellular metabolite.
#pragma once

#include <string_view>

#include "driver/line_reader.hpp"
#include "network/fixed_table.hpp"

namespace rxnform {

struct run_state;

struct exchange_entry {
  char column_name[9];  // 'X' and the metabolite part; empty for a rejected line
  double lower_bound;   // -1e30 until read
  double upper_bound;   // 1e30 until read
};

using exchange_table = fixed_table<exchange_entry, 500>;

// One non-blank line of the exchange file.
void read_exchange_line(run_state& run, std::string_view line, int line_number);

// The exchange phase: reads the file to its end or until the table is full
// and writes the exchange columns.
read_status read_exchanges(run_state& run, LineReader& reader);

// The bounds of the accepted exchange columns, then the summary.
void write_exchange_bounds(run_state& run, std::string_view file_name);

}  // namespace rxnform
