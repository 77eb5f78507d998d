#!/usr/bin/env bash
# The Debian package: built by CPack, unpacked into a temporary root, and the
# installed program run on the installed example; the man page is checked
# for formatting warnings.
#   usage: package_test.sh BUILD_DIR SOURCE_DIR
set -u
build=$(realpath "$1")
source=$(realpath "$2")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l "$source/doc/rxnform.1" 2>&1 >/dev/null)
[ -z "$warnings" ] || fail "man page warnings: $warnings"
groff -ww -z -man "$source/doc/rxnform.1" 2>"$work/groff.txt" || fail "groff failed"
[ -s "$work/groff.txt" ] && fail "groff warnings: $(cat "$work/groff.txt")"

(cd "$build" && cpack -G DEB -B "$work/package" >"$work/cpack.log" 2>&1) \
  || { fail "cpack failed"; cat "$work/cpack.log"; exit 1; }
deb=$(ls "$work"/package/rxnform_*.deb 2>/dev/null | head -n 1)
[ -n "$deb" ] || { fail "no .deb built"; exit 1; }
dpkg-deb --info "$deb" | grep -q "Package: rxnform" || fail "package has no name"
dpkg -x "$deb" "$work/root"
root=$work/root/usr
for file in bin/rxnform share/man/man1/rxnform.1 \
            share/doc/rxnform/examples/central_carbon/metabolites.txt; do
  [ -e "$root/$file" ] || fail "package lacks $file"
done

examples=$root/share/doc/rxnform/examples/central_carbon
(cd "$work" && "$root/bin/rxnform" "$examples/metabolites.txt" "$examples/reactions.txt" \
   "$examples/exchanges.txt" model.mps >run.txt) || fail "installed rxnform failed"
grep -q "11 reactions accepted from file .*, 11 have proper chemical balance" "$work/run.txt" \
  || fail "installed rxnform did not convert the installed example"
"$build/rxnform" "$examples/metabolites.txt" "$examples/reactions.txt" "$examples/exchanges.txt" \
  "$work/built.mps" >/dev/null
cmp -s "$work/model.mps" "$work/built.mps" || fail "installed program wrote a different model"

[ "$failures" -eq 0 ] && echo "package: built, installed into a temporary root, example converted"
[ "$failures" -eq 0 ] || exit 1
