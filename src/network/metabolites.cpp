#include "network/metabolites.hpp"

#include <cstring>
#include <limits>

#include "driver/run_state.hpp"
#include "network/table_reader.hpp"
#include "network/text.hpp"

namespace rxnform {

namespace {

enum element : int {
  carbon,
  oxygen,
  hydrogen,
  nitrogen,
  phosphorus,
  sulfur,
  cobalt,
  iron,
  potassium,
  x_group,
  r_group,
  sodium,
  selenium
};
constexpr int kUnknown = -1;

// How an upper-case letter starts a symbol: alone, it is `single` when the
// end of the field, a digit or the next upper-case letter follows; followed by
// `second`, it is the two-letter symbol `pair`. Anything else is unknown.
struct symbol_rule {
  char letter;
  int single;
  char second;
  int pair;
};

constexpr symbol_rule kSymbolRules[] = {
    {'C', carbon, 'o', cobalt},     {'N', nitrogen, 'a', sodium},  {'S', sulfur, 'e', selenium},
    {'F', kUnknown, 'e', iron},     {'O', oxygen, 0, kUnknown},    {'H', hydrogen, 0, kUnknown},
    {'P', phosphorus, 0, kUnknown}, {'K', potassium, 0, kUnknown}, {'X', x_group, 0, kUnknown},
    {'R', r_group, 0, kUnknown},
};

// Decides the symbol that starts with the upper-case letter at `pos`; sets
// `length` to the symbol's number of characters.
int element_at(std::string_view formula, std::size_t pos, std::size_t& length) {
  const char next = pos + 1 < formula.size() ? formula[pos + 1] : '\0';
  length = 1;
  for (const symbol_rule& rule : kSymbolRules) {
    if (rule.letter != formula[pos]) continue;
    if (rule.second != 0 && next == rule.second) {
      length = 2;
      return rule.pair;
    }
    return next == '\0' || is_digit(next) || is_upper(next) ? rule.single : kUnknown;
  }
  return kUnknown;
}

}  // namespace

inline std::uint64_t metabolite_table::key_of(std::string_view name) {
  // Built from loads that stay inside the name: a short variable-length copy
  // into a zeroed word would stall on every lookup.
  const char* bytes = name.data();
  const std::size_t n = name.size();
  auto load4 = [](const char* p) {  // compiles to one load; the same on any byte order
    auto byte = [p](int i) { return static_cast<std::uint32_t>(static_cast<unsigned char>(p[i])); };
    return byte(0) | byte(1) << 8 | byte(2) << 16 | byte(3) << 24;
  };
  if (n >= 4) {
    return load4(bytes) | (static_cast<std::uint64_t>(load4(bytes + n - 4)) << (8 * (n - 4)));
  }
  std::uint64_t key = 0;
  for (std::size_t i = 0; i < n; ++i) {
    key |= static_cast<std::uint64_t>(static_cast<unsigned char>(bytes[i])) << (8 * i);
  }
  return key;
}

inline std::size_t metabolite_table::home_of(std::uint64_t key) {
  return static_cast<std::size_t>((key * 0x9E3779B97F4A7C15ULL) >> (64 - kIndexBits));
}

void metabolite_table::index(int slot) {
  const std::string_view name = (*this)[slot].abbreviation;
  const std::uint64_t key = key_of(name);
  for (std::size_t i = home_of(key);; i = (i + 1) & (kIndexSize - 1)) {
    if (index_[i].slot == 0) {
      index_[i] = {key, static_cast<std::int16_t>(slot + 1)};
      return;
    }
    if (index_[i].key == key) return;  // the first entry keeps the name
  }
}

int metabolite_table::find(std::string_view name) const {
  if (name.empty() || name.size() >= sizeof(metabolite_entry::abbreviation)) return -1;
  const std::uint64_t key = key_of(name);
  for (std::size_t i = home_of(key);; i = (i + 1) & (kIndexSize - 1)) {
    if (index_[i].slot == 0) return -1;
    if (index_[i].key == key) return index_[i].slot - 1;
  }
}

void parse_formula(std::string_view formula, int line_number,
                   std::int32_t (&atom_counts)[kElementCount], Console& console) {
  std::size_t pos = 0;
  while (pos < formula.size()) {
    if (!is_upper(formula[pos])) {
      ++pos;
      continue;
    }
    std::size_t length = 0;
    int e = element_at(formula, pos, length);
    if (e == kUnknown) {
      console.say("Unknown atom ", std::string_view(&formula[pos], 1), " in line ", line_number,
                  "\n");
      return;
    }
    if (atom_counts[e] != 0) {
      console.say("Repeated atom ", std::string_view(&formula[pos], 1), "... in line ", line_number,
                  "\n");
      return;
    }
    pos += length;
    if (pos < formula.size() && is_digit(formula[pos])) {
      // A count too large for 32 bits saturates instead of overflowing.
      constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
      std::int32_t count = 0;
      for (; pos < formula.size() && is_digit(formula[pos]); ++pos) {
        int digit = formula[pos] - '0';
        count = count > (kMax - digit) / 10 ? kMax : count * 10 + digit;
      }
      atom_counts[e] = count;
    } else {
      atom_counts[e] = 1;
    }
  }
}

void read_metabolite_line(run_state& run, std::string_view line, int line_number) {
  metabolite_entry& entry = run.metabolites.add();
  std::size_t pos = 0;
  std::string_view abbreviation = next_field(line, pos);
  if (abbreviation.empty()) return;  // only white space: the slot stays empty, no row
  if (abbreviation.size() >= sizeof entry.abbreviation) {
    run.console.say("Abbreviation too long in line ", line_number, " - truncated\n");
  }
  std::string_view name = store_field(entry.abbreviation, abbreviation);

  if (run.check_balance) {
    std::string_view formula = next_field(line, pos);
    if (formula.size() >= sizeof entry.formula) {
      run.console.say("Formula too long in line ", line_number, " - truncated\n");
    }
    store_field(entry.formula, formula);
    parse_formula(formula, line_number, entry.atom_counts, run.console);  // the whole field
  }

  run.model.write_row(run.objective_written ? 'E' : 'N', name);
  run.objective_written = true;
  run.metabolites.index(run.metabolites.count() - 1);
}

read_status read_metabolites(run_state& run, LineReader& reader, std::string_view file_name) {
  const read_status status =
      read_table(reader, run.metabolites, [&](std::string_view line, int line_number) {
        read_metabolite_line(run, line, line_number);
      });
  if (status == read_status::error) return status;
  if (run.metabolites.full()) run.console.say("Too many metabolites - remainder ignored\n");
  run.console.say(run.metabolites.count(), " metabolites accepted from file '", file_name, "'\n");
  return read_status::end;
}

}  // namespace rxnform
