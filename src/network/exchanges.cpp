#include "network/exchanges.hpp"

#include <algorithm>

#include "driver/run_state.hpp"
#include "network/number_reader.hpp"
#include "network/table_reader.hpp"
#include "network/text.hpp"

namespace rxnform {

namespace {

constexpr double kFree = 1e30;  // a bound the line does not give

// Checks the reaction text of an accepted line and reads its bounds. Every
// problem is a warning: the line is written all the same.
void check_reaction_text(run_state& run, exchange_entry& exchange, std::string_view text,
                         int line_number) {
  Console& console = run.console;
  const std::size_t start = skip_space(text, 0);
  if (start == text.size()) return;  // no reaction text: no checks, default bounds

  if (!text.substr(start).starts_with("[e]")) {
    console.say("No [e] in exchange reaction in line ", line_number, "\n");
  }
  std::size_t pos = std::min(start + 3, text.size());
  std::string_view metabolite = next_field(text, pos);
  if (metabolite != std::string_view(exchange.column_name).substr(1)) {
    console.say("Inconsistent exchange names in line ", line_number, "\n");
  }

  const std::size_t symbol_end = text.find('>', pos);
  if (symbol_end == std::string_view::npos) {
    console.say("No exchange symbol in line ", line_number, "\n");
    return;
  }
  if (symbol_end < 3 || text.substr(symbol_end - 3, 4) != "<==>") {
    console.say("Invalid exchange symbol in line ", line_number, "\n");
  }

  // Bounds are single-precision values, widened when stored.
  std::string_view bounds = text.substr(symbol_end + 1);
  float lower = 0;
  float upper = 0;
  int read = 0;
  if (std::size_t used = read_number(bounds, lower)) {
    ++read;
    if (read_number(bounds.substr(used), upper) != 0) ++read;
  }
  if (read < 2) console.say("Invalid exchange bound(s) in line ", line_number, "\n");
  if (read >= 1) exchange.lower_bound = lower;
  if (read >= 2) exchange.upper_bound = upper;
}

}  // namespace

void read_exchange_line(run_state& run, std::string_view line, int line_number) {
  exchange_entry& exchange = run.exchanges.add();
  if (!line.starts_with("EX_")) {
    run.console.say("Invalid exchange reaction name in line ", line_number, "\n");
    return;
  }
  std::size_t pos = 2;  // the field starts with the '_' of "EX_"
  const std::string_view field = next_field(line, pos);
  const std::size_t paren = field.find('(');
  if (paren == std::string_view::npos) {
    run.console.say("Invalid exchange reaction name in line ", line_number, "\n");
    return;
  }
  const std::string_view name = field.substr(0, paren);  // '_' and the metabolite part
  if (name.size() >= sizeof exchange.column_name) {
    run.console.say("Exchange reaction name too long in line ", line_number, " - truncated\n");
  }
  store_field(exchange.column_name, name);
  exchange.column_name[0] = 'X';  // in place of the '_'
  exchange.lower_bound = -kFree;
  exchange.upper_bound = kFree;

  // The reaction text follows the three characters of the suffix, as in "(e)",
  // but never starts beyond the end of the line.
  const std::size_t text_start = std::min(2 + paren + 3, line.size());
  check_reaction_text(run, exchange, line.substr(text_start), line_number);

  const std::string_view column = exchange.column_name;
  char row[sizeof exchange.column_name];  // the metabolite part and "e"
  std::copy(column.begin() + 1, column.end(), row);
  row[column.size() - 1] = 'e';
  run.model.write_entry(column, std::string_view(row, column.size()), -1);
}

read_status read_exchanges(run_state& run, LineReader& reader) {
  return read_table(reader, run.exchanges, [&](std::string_view line, int line_number) {
    read_exchange_line(run, line, line_number);
  });
}

void write_exchange_bounds(run_state& run, std::string_view file_name) {
  int accepted = 0;
  for (int slot = 0; slot < run.exchanges.count(); ++slot) {
    const exchange_entry& exchange = run.exchanges[slot];
    if (exchange.column_name[0] == '\0') continue;  // rejected line: it has no column
    run.model.write_bound(bound_type::lower, exchange.column_name, exchange.lower_bound);
    run.model.write_bound(bound_type::upper, exchange.column_name, exchange.upper_bound);
    ++accepted;
  }
  run.console.say(accepted, " exchange reactions with bounds accepted from file '", file_name,
                  "'\n");
}

}  // namespace rxnform
