#!/usr/bin/env bash
# Faults through the real executable: files that can't be read or written,
# inputs no spreadsheet should produce, tables past their capacity. Each must
# give its messages and status, and never a crash.
#   usage: faults_test.sh RXNFORM EXAMPLES_DIR
set -u
rxnform=$(realpath "$1")
examples=$(cd "$2" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
failures=0

fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
expect_status() { [ "$status" -eq "$1" ] || fail "$what: status $status, expected $1"; }
expect_console() { grep -qxF -- "$1" out.txt || fail "$what: console lacks '$1'"; }
expect_no_console() { ! grep -qF -- "$1" out.txt || fail "$what: console has '$1'"; }
run() { "$rxnform" "$@" >out.txt 2>err.txt; status=$?; [ -s err.txt ] && fail "$what: wrote to stderr"; }
# A completed model: every line ends in CR LF, the last is ENDATA, and the
# total on the console counts its lines.
expect_complete_model() {
  local lines total
  lines=$(wc -l <"$1")
  total=$(sed -n "s/^Total \([0-9]*\) lines written into file .*/\1/p" out.txt)
  [ "$lines" = "$total" ] || fail "$what: $lines lines in the model, console says '$total'"
  [ "$(tail -c 8 "$1" | od -An -c | tr -d ' ')" = 'ENDATA\r\n' ] || fail "$what: model does not end in ENDATA CR LF"
  [ "$(tr -d '\r' <"$1" | wc -l)" = "$lines" ] && [ "$(grep -c $'\r$' "$1")" = "$lines" ] \
    || fail "$what: a model line lacks its CR LF"
  [ "$(tr -d '\000' <"$1" | wc -c)" = "$(wc -c <"$1")" ] || fail "$what: NUL byte in the model"
}

cp "$examples"/central_carbon/*.txt .
tables=(metabolites.txt reactions.txt exchanges.txt)

what="model file on a full disk"
run "${tables[@]}" /dev/full
expect_status 255
expect_console "Can't write file '/dev/full'"
expect_no_console "Total"
expect_no_console "Thank you"

what="a directory as the reaction table"
mkdir tables.d
run metabolites.txt tables.d exchanges.txt model.mps
expect_status 255
expect_console "Can't read file 'tables.d'"
expect_no_console "reactions accepted"

what="missing input with a writable model name"
echo "old" >model.mps
run metabolites.txt missing.txt exchanges.txt model.mps
expect_status 255
expect_console "Can't read or create file(s) - check arguments"
[ -f model.mps ] && [ ! -s model.mps ] || fail "$what: model file not created empty"

what="model file named as an input"
ln reactions.txt link.txt
cp reactions.txt reactions.orig
for output in reactions.txt ./reactions.txt link.txt "$work/reactions.txt"; do
  run "${tables[@]}" "$output"
  expect_status 255
  expect_console "Can't read or create file(s) - check arguments"
  cmp -s reactions.txt reactions.orig || fail "$what ($output): the input was changed"
done

what="binary garbage in every table"
head -c 300000 /dev/urandom >garbage.bin
run garbage.bin garbage.bin garbage.bin model.mps
expect_status 0
expect_complete_model model.mps

what="a single line of a million characters"
head -c 1000000 /dev/zero | tr '\0' 'a' >long.txt
run long.txt long.txt long.txt model.mps
expect_status 0
expect_console "Abbreviation too long in line 1 - truncated"
expect_console "489 metabolites accepted from file 'long.txt'"
expect_complete_model model.mps

what="a file of only 0x1A"
printf '\032\032\032' >eof.txt
run eof.txt eof.txt eof.txt model.mps
expect_status 0
expect_console "0 metabolites accepted from file 'eof.txt'"
expect_console "Total 10 lines written into file 'model.mps'"
expect_complete_model model.mps

what="100,000 blank lines"
yes '' | head -n 100000 >blank.txt
run blank.txt blank.txt blank.txt model.mps
expect_status 0
expect_console "0 reactions accepted from file 'blank.txt', 0 have proper chemical balance"
expect_complete_model model.mps

what="tables over capacity"
for i in $(seq 0 1000); do echo "m$i C1"; done >many_m.txt
for i in $(seq 0 2000); do echo "R$i m0 --> m1"; done >many_r.txt
for i in $(seq 0 500); do echo "EX_m$i(e) [e] m$i <==> 0 1"; done >many_x.txt
run many_m.txt many_r.txt many_x.txt model.mps
expect_status 0
expect_console "Too many metabolites - remainder ignored"
expect_console "1000 metabolites accepted from file 'many_m.txt'"
expect_console "Too many reactions - remainder ignored"
expect_console "2000 reactions accepted from file 'many_r.txt', 2000 have proper chemical balance"
expect_console "500 exchange reactions with bounds accepted from file 'many_x.txt'"
expect_complete_model model.mps

[ "$failures" -eq 0 ] && echo "faults: all cases passed"
[ "$failures" -eq 0 ] || exit 1
