#!/usr/bin/env bash
# What real LP readers refuse in a model file, and the input that causes it.
# Each row of the README's table "What LP readers refuse" is one case here,
# so the table stays true: the model is written, then glpsol --check must
# refuse it with the reason given, and clp too where it refuses.
#   usage: refusals_test.sh RXNFORM
set -u
rxnform=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# name, metabolites, reactions, exchanges, glpsol's reason, clp refuses (yes/no)
refusal() {
  local name=$1 reason=$5 clp_refuses=$6
  printf '%b' "$2" >"$name.abbr"
  printf '%b' "$3" >"$name.react"
  printf '%b' "$4" >"$name.exch"
  "$rxnform" "$name.abbr" "$name.react" "$name.exch" "$name.mps" >"$name.out" \
    || { fail "$name: rxnform failed"; return; }
  if glpsol --mps "$name.mps" --check >"$name.glpk" 2>&1; then
    fail "$name: glpsol accepted the model"
  elif ! grep -qF -- "$reason" "$name.glpk"; then
    fail "$name: glpsol refused, but not with '$reason':"; cat "$name.glpk"
  fi
  clp "$name.mps" -maximize -dualsimplex >"$name.clp" 2>&1
  if [ "$clp_refuses" = yes ] && ! grep -q 'errors on input' "$name.clp"; then
    fail "$name: clp accepted the model"
  fi
  [ "$failures" -eq 0 ] && echo "ok: $name"
}

refusal metabolite_twice_in_an_equation 'obj\na\nb\n' 'R1 a + a --> b + obj\n' '' \
  "duplicate coefficient in row 'a'" yes
refusal names_colliding_when_cut 'obj\nglucose6p1\nglucose6p2\n' 'R1 glucose6p1 --> obj\n' '' \
  "row 'glucose6' multiply specified" no
refusal exchange_metabolite_not_listed 'obj\na\n' 'R1 a --> obj\n' 'EX_a(e) [e] a <==> 0 10\n' \
  "row 'ae' not found" yes
refusal reversible_reaction_without_terms 'obj\na\n' 'R1 a --> obj\nR2 <==>\n' '' \
  "column 'R2' not found" yes
refusal infinite_exchange_bound 'obj\na\nae\n' 'R1 a --> obj\nR2 ae --> a\n' \
  'EX_a(e) [e] a <==> -INF +INF\n' "cannot convert '-INF' to floating-point number" yes
refusal not_a_number_coefficient 'obj\na\n' 'R1 (+NAN) a --> obj\n' '' \
  "cannot convert 'nan' to floating-point number" yes

[ "$failures" -eq 0 ] || exit 1
