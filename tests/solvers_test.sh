#!/usr/bin/env bash
# The model files are read and solved by real LP solvers, GLPK's glpsol and
# COIN-OR clp, each as fixed MPS; both must reach the optimum worked out by
# hand for each network.
#   usage: solvers_test.sh RXNFORM EXAMPLES_DIR
set -u
rxnform=$(realpath "$1")
examples=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# network, expected maximum of the objective row
check() {
  local network=$1 expected=$2 model="$work/$1.mps"
  if ! "$rxnform" "$examples/$network/metabolites.txt" "$examples/$network/reactions.txt" \
       "$examples/$network/exchanges.txt" "$model" >"$work/$network.out"; then
    fail "$network: rxnform failed"; cat "$work/$network.out"; return
  fi
  # glpsol reads the free bounds +-1e+30 as finite; its exact simplex copes.
  glpsol --mps "$model" --max --exact -o "$work/$network.glpk" >"$work/$network.glpk.log" 2>&1 \
    || { fail "$network: glpsol refused the model"; cat "$work/$network.glpk.log"; return; }
  local glpk
  glpk=$(awk '/^Status:/ {status=$2} /^Objective:/ {value=$4} END {print status, value}' "$work/$network.glpk")
  [ "$glpk" = "OPTIMAL $expected" ] || fail "$network: glpsol gives '$glpk', expected 'OPTIMAL $expected'"

  clp "$model" -maximize -dualsimplex >"$work/$network.clp.log" 2>&1 \
    || { fail "$network: clp refused the model"; cat "$work/$network.clp.log"; return; }
  local clp_value
  clp_value=$(awk '/^Optimal objective/ {print $3}' "$work/$network.clp.log")
  [ "$clp_value" = "$expected" ] || fail "$network: clp gives '$clp_value', expected '$expected'"
  echo "ok: $network optimum $expected (glpsol, clp)"
}

# Glucose uptake of at most 10 yields 2 ATP per glucose through glycolysis to lactate.
check central_carbon 20
# Nothing consumes the ADP and the proton that HEX1 makes, so no flux is possible.
check worked_example 0

[ "$failures" -eq 0 ] || exit 1
