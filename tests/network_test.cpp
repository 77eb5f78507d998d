// The network readers' tricky rules: formulas, the name index, the balance
// report's numbers, and the tables at capacity.
#include <gtest/gtest.h>

#include <cstdio>
#include <map>

#include "driver/byte_sink.hpp"
#include "driver/line_reader.hpp"
#include "driver/run.hpp"
#include "network/balance.hpp"
#include "network/metabolites.hpp"

namespace {

using counts = std::map<std::string, int>;

struct formula_case {
  std::string formula;
  counts expected;
  std::string console;
};

counts parse(const std::string& formula, std::string& console_text) {
  rxnform::StringSink sink;
  rxnform::Console console(sink);
  std::int32_t atoms[rxnform::kElementCount] = {};
  rxnform::parse_formula(formula, 3, atoms, console);
  console_text = sink.text();
  counts out;
  for (int e = 0; e < rxnform::kElementCount; ++e) {
    if (atoms[e] != 0) out[std::string(rxnform::kElementSymbols[e])] = atoms[e];
  }
  return out;
}

TEST(Formula, AtomCountsAndMessages) {
  const std::vector<formula_case> cases = {
      {"C6H11O9P", {{"C", 6}, {"H", 11}, {"O", 9}, {"P", 1}}, ""},
      {"C21H36N7O16P3S", {{"C", 21}, {"H", 36}, {"N", 7}, {"O", 16}, {"P", 3}, {"S", 1}}, ""},
      {"CoH", {{"Co", 1}, {"H", 1}}, ""},
      {"Fe2O3", {{"Fe", 2}, {"O", 3}}, ""},
      {"KXRNaSe2", {{"K", 1}, {"X", 1}, {"R", 1}, {"Na", 1}, {"Se", 2}}, ""},
      {"NaCl", {{"Na", 1}}, "Unknown atom C in line 3\n"},
      {"F2", {}, "Unknown atom F in line 3\n"},
      {"Mg", {}, "Unknown atom M in line 3\n"},
      {"H+", {}, "Unknown atom H in line 3\n"},
      {"C6H12O6C", {{"C", 6}, {"H", 12}, {"O", 6}}, "Repeated atom C... in line 3\n"},
      {"Co2Co", {{"Co", 2}}, "Repeated atom C... in line 3\n"},
      {"C0C2", {{"C", 2}}, ""},        // a count of 0 leaves room for the element again
      {"c6h12-(O2)", {{"O", 2}}, ""},  // lower case, digits and signs are passed over
      {"(O)2", {}, "Unknown atom O in line 3\n"},
      {"C99999999999", {{"C", 2147483647}}, ""},
      {"C2147483647H2147483648", {{"C", 2147483647}, {"H", 2147483647}}, ""},
      {"", {}, ""},
  };
  for (const formula_case& c : cases) {
    SCOPED_TRACE(c.formula);
    std::string console;
    EXPECT_EQ(parse(c.formula, console), c.expected);
    EXPECT_EQ(console, c.console);
  }
}

TEST(MetaboliteTable, LookupFindsTheFirstEntryWithTheName) {
  rxnform::metabolite_table table;
  ASSERT_TRUE(table.allocate());
  auto add = [&](const char* name) {
    rxnform::store_field(table.add().abbreviation, name);
    table.index(table.count() - 1);
  };
  for (int i = 0; i < 997; ++i) add(("m" + std::to_string(i)).c_str());
  add("dup");
  add("dup");
  add("Dup");
  ASSERT_TRUE(table.full());
  EXPECT_EQ(table.find("dup"), 997);
  EXPECT_EQ(table.find("Dup"), 999);
  EXPECT_EQ(table.find("m0"), 0);
  EXPECT_EQ(table.find("m996"), 996);
  EXPECT_EQ(table.find("m997"), -1);
  EXPECT_EQ(table.find("DUP"), -1);
  EXPECT_EQ(table.find(""), -1);
}

TEST(BalanceReport, TwoDecimalsAsPrintfWithoutANegativeZero) {
  const double sums[] = {3, -1, 0.125, 0.375, 2.675, -0.005, 1e20, -1234.5678, 0.0049999};
  for (double s : sums) {
    char text[64];
    std::snprintf(text, sizeof text, "%.2f", s);
    EXPECT_EQ(rxnform::format_balance_sum(s), text) << s;
  }
  EXPECT_EQ(rxnform::format_balance_sum(-0.003), "0.00");
  EXPECT_EQ(rxnform::format_balance_sum(-0.004999), "0.00");
  EXPECT_EQ(rxnform::format_balance_sum(-0.0051), "-0.01");
  EXPECT_EQ(rxnform::format_balance_sum(-1e300).size(), 305u);
}

struct run_output {
  std::string console;
  std::string model;
};

run_output convert(const std::string& abbr, const std::string& react, const std::string& exch) {
  rxnform::MemorySource a(abbr), r(react), e(exch);
  rxnform::StringSink model, console;
  rxnform::conversion_inputs inputs{a, r, e, "abbr.txt", "react.txt", "exch.txt", "out.mps"};
  EXPECT_EQ(rxnform::convert(inputs, model, console), 0);
  return {console.text(), model.text()};
}

std::string numbered(const std::string& prefix, int count, const std::string& suffix) {
  std::string text;
  for (int i = 0; i < count; ++i) text += prefix + std::to_string(i) + suffix + "\n";
  return text;
}

TEST(Capacity, TablesStopWhenFull) {
  for (int extra : {0, 1}) {
    SCOPED_TRACE(extra);
    run_output out =
        convert(numbered("m", 1000 + extra, " C1"), numbered("R", 2000 + extra, " m0 <==> m1"),
                numbered("EX_m", 500 + extra, "(e) [e] m <==> 0 1"));
    EXPECT_NE(out.console.find("Too many metabolites - remainder ignored\n"
                               "1000 metabolites accepted from file 'abbr.txt'\n"),
              std::string::npos);
    EXPECT_NE(out.console.find("Too many reactions - remainder ignored\n"
                               "2000 reactions accepted from file 'react.txt', "
                               "2000 have proper chemical balance\n"),
              std::string::npos);
    // The exchange reader stops at 500 slots without a message of its own.
    EXPECT_NE(out.console.find("Inconsistent exchange names in line 500\n"
                               "500 exchange reactions with bounds accepted from file "
                               "'exch.txt'\n2000 bound pairs added for reversible reactions\n"),
              std::string::npos);
    EXPECT_EQ(out.console.find("line 501"), std::string::npos);
    EXPECT_EQ(out.model.find(" E  m1000\r\n"), std::string::npos);
    EXPECT_NE(out.model.find(" LO BND       R1999           -1e+30\r\n"), std::string::npos);
    EXPECT_EQ(out.model.find("R2000"), std::string::npos);
    // 10 + 1000 rows + 4000 entries + 500 exchange entries + 1000 + 4000 bounds
    EXPECT_NE(out.console.find("Total 10510 lines"), std::string::npos);
  }
}

}  // namespace
