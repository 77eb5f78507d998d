// The metabolite table: one metabolite per line, an abbreviation and an
// optional chemical formula. Each metabolite is a row of the model; the
// first row written is the objective row.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "driver/console.hpp"
#include "driver/line_reader.hpp"
#include "network/fixed_table.hpp"

namespace rxnform {

struct run_state;

// The elements of the balance check, in the order used everywhere an element
// list stands: counts, sums and the balance report.
constexpr int kElementCount = 13;
constexpr std::array<std::string_view, kElementCount> kElementSymbols = {
    "C", "O", "H", "N", "P", "S", "Co", "Fe", "K", "X", "R", "Na", "Se"};

struct metabolite_entry {
  char abbreviation[9];  // the row name, at most 8 characters
  char formula[64];      // as read, at most 63 characters; kept, not used further
  std::int32_t atom_counts[kElementCount];  // atoms of each element in one molecule
};

class metabolite_table : public fixed_table<metabolite_entry, 1000> {
 public:
  // Makes the entry in `slot` findable under its abbreviation, unless an
  // earlier entry already has that name: a lookup finds the first one.
  void index(int slot);
  // The slot of the first entry whose abbreviation equals `name` exactly, or -1.
  int find(std::string_view name) const;

 private:
  static constexpr int kIndexBits = 11;
  static constexpr std::size_t kIndexSize = std::size_t{1}
                                            << kIndexBits;  // over twice the capacity

  // An abbreviation's bytes, zero-padded to eight, as one comparable value:
  // names hold no NUL byte, so equal keys mean equal names.
  static inline std::uint64_t key_of(std::string_view name);
  static inline std::size_t home_of(std::uint64_t key);

  struct index_slot {
    std::uint64_t key;  // the abbreviation's key
    std::int16_t slot;  // entry + 1; 0 while free
  };
  std::array<index_slot, kIndexSize> index_{};
};

// Sets the atom counts of one formula field. Stops at the first unknown or
// repeated symbol, keeping the counts already set, and says so on the console.
void parse_formula(std::string_view formula, int line_number,
                   std::int32_t (&atom_counts)[kElementCount], Console& console);

// One non-blank line of the metabolite file.
void read_metabolite_line(run_state& run, std::string_view line, int line_number);

// The metabolite phase: reads the file to its end or until the table is full,
// writes the ROWS records and prints the summary.
read_status read_metabolites(run_state& run, LineReader& reader, std::string_view file_name);

}  // namespace rxnform
