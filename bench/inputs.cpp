#include "inputs.hpp"

#include <cstdint>
#include <vector>

namespace rxnform_bench {

namespace {

// A small fixed generator, so every run and every machine sees the same input.
class lcg {
 public:
  explicit lcg(std::uint64_t seed) : state_(seed) {}
  std::uint32_t next() {
    state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
    return static_cast<std::uint32_t>(state_ >> 33);
  }
  int below(int n) { return static_cast<int>(next() % static_cast<std::uint32_t>(n)); }

 private:
  std::uint64_t state_;
};

constexpr int kMetabolites = 1000;
constexpr int kReactions = 2000;
constexpr int kExchanges = 500;
constexpr std::size_t kLine = 2047;

// Two-character names: 1000 of the 62 x 62 letter-and-digit pairs.
std::string short_name(int i) {
  static const char kAlphabet[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
  return {kAlphabet[i / 62 % 26], kAlphabet[i % 62]};
}

std::string full_formula(lcg& random) {
  static const char* const kSymbols[] = {"C",  "O", "H", "N", "P",  "S", "Co",
                                         "Fe", "K", "X", "R", "Na", "Se"};
  std::string formula;
  for (const char* symbol : kSymbols) formula += symbol + std::to_string(1 + random.below(30));
  return formula;
}

}  // namespace

network worst_case() {
  lcg random(1);
  network net;
  for (int i = 0; i < kMetabolites; ++i) {
    net.metabolites += short_name(i) + " " + full_formula(random) + "\n";
  }
  int next = 0;  // walks the whole table, line after line
  for (int r = 0; r < kReactions; ++r) {
    std::string line = "R" + std::to_string(r);
    const std::size_t arrow_at = kLine / 2;
    bool arrow = false;
    while (true) {
      if (!arrow && line.size() >= arrow_at) {
        line += " -->";
        arrow = true;
      }
      std::string term = " " + short_name(next);
      if (line.size() + term.size() > kLine) break;
      line += term;
      next = (next + 1) % kMetabolites;
    }
    net.reactions += line + "\n";
  }
  for (int x = 0; x < kExchanges; ++x) {
    std::string name = short_name(x);
    net.exchanges += "EX_" + name + "(e) [e] " + name + " <==> -10 1000\n";
  }
  return net;
}

network realistic() {
  lcg random(2);
  network net;
  // 500 cytosolic metabolites, each again outside the cell under its name
  // with the trailing "e" that the reactions' [e] adds.
  constexpr int kInside = kMetabolites / 2;
  std::vector<std::string> names;
  for (int i = 0; i < kInside; ++i) names.push_back("met" + std::to_string(i));
  auto formula = [&] {
    std::string f = "C" + std::to_string(1 + random.below(20)) + "H" +
                    std::to_string(1 + random.below(40)) + "O" + std::to_string(random.below(12));
    if (random.below(3) == 0) f += "N" + std::to_string(1 + random.below(6));
    if (random.below(4) == 0) f += "P" + std::to_string(1 + random.below(3));
    if (random.below(10) == 0) f += "S";
    return f;
  };
  std::vector<std::string> formulas;
  for (int i = 0; i < kInside; ++i) {
    formulas.push_back(formula());
    net.metabolites += names[i] + " " + formulas[i] + "\n";
  }
  for (int i = 0; i < kInside; ++i) net.metabolites += names[i] + "e " + formulas[i] + "\n";

  static const char* const kCoefficients[] = {"", "", "", "(2) ", "(0.5) ", "(3) ", "(1.5) "};
  for (int r = 0; r < kReactions; ++r) {
    int terms = 2 + random.below(7);
    std::vector<int> chosen;
    while (static_cast<int>(chosen.size()) < terms) {
      int m = random.below(kInside);
      bool seen = false;
      for (int c : chosen) seen = seen || c == m;
      if (!seen) chosen.push_back(m);
    }
    bool transport = random.below(8) == 0;
    std::string line = "RXN" + std::to_string(r) + (transport ? " [c] " : " ");
    int substrates = 1 + random.below(terms - 1);
    for (int t = 0; t < terms; ++t) {
      if (t == substrates)
        line += random.below(3) == 0 ? " <==> " : " --> ";
      else if (t > 0)
        line += " + ";
      line += kCoefficients[random.below(7)];
      int m = chosen[t];
      line += names[m];
      if (random.below(6) == 0) line += random.below(2) == 0 ? "[e]" : "[c]";
    }
    net.reactions += line + "\n";
  }
  for (int x = 0; x < kExchanges; ++x) {
    const std::string& name = names[x];
    net.exchanges += "EX_" + name + "(e) [e] " + name + " <==> " +
                     std::to_string(-random.below(20)) + " " +
                     std::to_string(100 + random.below(900)) + "\n";
  }
  return net;
}

}  // namespace rxnform_bench
