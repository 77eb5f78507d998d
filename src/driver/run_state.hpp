// Everything one conversion run owns, from the opened files to the closing
// summary. The readers get it passed explicitly.
#pragma once

#include "driver/console.hpp"
#include "model_writer/model_writer.hpp"
#include "network/exchanges.hpp"
#include "network/metabolites.hpp"
#include "network/reactions.hpp"

namespace rxnform {

struct run_state {
  run_state(ModelWriter& model_writer, Console& messages)
      : model(model_writer), console(messages) {}

  bool check_balance = true;  // off with the -c switch: no formulas, no sums
  metabolite_table metabolites;
  reaction_table reactions;
  exchange_table exchanges;
  int balanced_reactions = 0;      // fully parsed reactions that passed the balance test
  bool objective_written = false;  // the first row record is the objective ('N') row
  ModelWriter& model;
  Console& console;
};

}  // namespace rxnform
