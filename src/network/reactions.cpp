#include "network/reactions.hpp"

#include "driver/run_state.hpp"
#include "network/balance.hpp"
#include "network/number_reader.hpp"
#include "network/table_reader.hpp"
#include "network/text.hpp"

namespace rxnform {

namespace {

bool starts_at(std::string_view text, std::size_t pos, std::string_view word) {
  if (pos > text.size() || text.size() - pos < word.size()) return false;
  for (std::size_t i = 0; i < word.size(); ++i) {
    if (text[pos + i] != word[i]) return false;
  }
  return true;
}

// Longest term name the parser builds (8 characters and an appended "e");
// anything longer can match no abbreviation.
constexpr std::size_t kMaxTermName = 9;

enum class parse_result { complete, abandoned };

// Scans the equation term by term, writing one entry per metabolite term.
parse_result parse_equation(run_state& run, reaction_entry& reaction, std::string_view equation,
                            int line_number, element_sums& sums) {
  Console& console = run.console;
  const std::string_view column = reaction.name;
  std::size_t pos = skip_space(equation, 0);

  char compartment = 0;  // from a [c] or [e] prefix
  if (pos < equation.size() && equation[pos] == '[') {
    if (starts_at(equation, pos + 1, "c]")) {
      compartment = 'c';
    } else if (starts_at(equation, pos + 1, "e]")) {
      compartment = 'e';
    } else {
      console.say("Invalid reaction compartment in line ", line_number, "\n");
      return parse_result::abandoned;
    }
    pos += 3;
  }

  double side_sign = -1.0;  // substrates until the first arrow
  while (pos < equation.size()) {
    const char c = equation[pos];
    if (is_space(c) || c == '+') {
      ++pos;
      continue;
    }
    if (c == '-' && starts_at(equation, pos, "-->")) {
      side_sign = 1.0;
      pos += 3;
      continue;
    }
    if (c == '<' && starts_at(equation, pos, "<==>")) {
      side_sign = 1.0;
      reaction.reversible = 1;
      pos += 4;
      continue;
    }

    double coefficient = 1.0;
    if (c == '(') {
      coefficient = 0;  // stays 0 when no number follows
      read_number(equation.substr(pos + 1), coefficient);
      std::size_t close = equation.find(')', pos + 1);
      if (close == std::string_view::npos) {
        console.say("No closing ) in line ", line_number, "\n");
        return parse_result::abandoned;
      }
      pos = skip_space(equation, close + 1);
    }

    // The name runs to a space, a '[' or the end of the line: a tab, '+' or
    // ')' belongs to it.
    const std::size_t start = pos;
    while (pos < equation.size() && equation[pos] != ' ' && equation[pos] != '[') ++pos;
    std::string_view text = equation.substr(start, pos - start);
    bool extracellular = compartment == 'e';
    bool valid = true;
    if (pos < equation.size() && equation[pos] == '[') {
      if (starts_at(equation, pos + 1, "c]") || starts_at(equation, pos + 1, "e]")) {
        extracellular = equation[pos + 1] == 'e';
        pos += 3;
      } else {
        console.say("Invalid [ modifier in line ", line_number, "\n");
        valid = false;
      }
    } else if (pos < equation.size()) {
      ++pos;  // past the space
    }

    const std::size_t length = valid ? text.size() + (extracellular ? 1 : 0) : 0;
    if (length == 0 || length > kMaxTermName) {
      console.say("No name or name too long in line ", line_number, "\n");
      return parse_result::abandoned;
    }
    // The name as built: the text itself, or a copy with the "e" appended.
    char built[kMaxTermName];
    std::string_view name = text;
    if (extracellular) {
      for (std::size_t i = 0; i < text.size(); ++i) built[i] = text[i];
      built[text.size()] = 'e';
      name = std::string_view(built, length);
    }

    const int slot = run.metabolites.find(name);
    if (slot < 0) {
      console.say("Unknown name '", name, "' in line ", line_number, "\n");
      return parse_result::abandoned;
    }
    const double value = side_sign * coefficient;
    if (run.check_balance) sums.add_term(run.metabolites[slot], value);
    run.model.write_entry(column, name, value);
  }
  return parse_result::complete;
}

}  // namespace

void read_reaction_line(run_state& run, std::string_view line, int line_number) {
  reaction_entry& reaction = run.reactions.add();
  std::size_t pos = 0;
  std::string_view name = next_field(line, pos);
  if (name.empty()) return;  // only white space: the slot stays empty
  if (name.size() >= sizeof reaction.name) {
    run.console.say("Reaction name too long in line ", line_number, " - truncated\n");
  }
  store_field(reaction.name, name);

  // The equation is the rest of the line after the name's field, wherever
  // that field starts.
  std::string_view equation = line.substr(pos);
  if (equation.size() >= sizeof reaction.equation) {
    run.console.say("Reaction too long in line ", line_number, " - truncated\n");
  }
  std::string_view stored =
      store_field(reaction.equation, equation.substr(skip_space(equation, 0)));
  if (stored.empty()) return;  // no equation: nothing written, not tested, not counted

  element_sums sums;
  if (parse_equation(run, reaction, equation, line_number, sums) == parse_result::abandoned) return;
  if (!run.check_balance || sums.test(line_number, run.console)) ++run.balanced_reactions;
}

read_status read_reactions(run_state& run, LineReader& reader, std::string_view file_name) {
  const read_status status = read_table(
      reader, run.reactions,
      [&](std::string_view line, int line_number) { read_reaction_line(run, line, line_number); });
  if (status == read_status::error) return status;
  if (run.reactions.full()) run.console.say("Too many reactions - remainder ignored\n");
  if (run.check_balance) {
    run.console.say(run.reactions.count(), " reactions accepted from file '", file_name, "', ",
                    run.balanced_reactions, " have proper chemical balance\n");
  } else {
    run.console.say(run.reactions.count(), " reactions accepted from file '", file_name, "'\n");
  }
  return read_status::end;
}

void write_reversible_bounds(run_state& run) {
  constexpr double kFree = 1e30;  // the model's stand-in for an unbounded flux
  int pairs = 0;
  for (int slot = 0; slot < run.reactions.count(); ++slot) {
    const reaction_entry& reaction = run.reactions[slot];
    if (reaction.reversible != 1) continue;
    run.model.write_bound(bound_type::lower, reaction.name, -kFree);
    run.model.write_bound(bound_type::upper, reaction.name, kFree);
    ++pairs;
  }
  run.console.say(pairs, " bound pairs added for reversible reactions\n");
}

}  // namespace rxnform
