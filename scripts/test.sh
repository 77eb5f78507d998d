#!/usr/bin/env bash
# Builds and runs every test: the release build, the same tests under
# AddressSanitizer and UndefinedBehaviorSanitizer, the fuzz smoke run and
# the static checks. Installs what a fresh Debian machine lacks.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc)

need=()
command -v glpsol >/dev/null || need+=(glpk-utils)
command -v clp >/dev/null || need+=(coinor-clp)
command -v cmake >/dev/null || need+=(cmake)
command -v g++ >/dev/null || need+=(g++)
command -v clang++ >/dev/null || need+=(clang)
[ -n "$(ls /usr/lib/llvm-*/lib/clang/*/lib/linux/libclang_rt.fuzzer-x86_64.a 2>/dev/null)" ] \
  || need+=(libclang-rt-dev)
command -v clang-format >/dev/null || need+=(clang-format)
command -v clang-tidy >/dev/null || need+=(clang-tidy)
command -v cppcheck >/dev/null || need+=(cppcheck)
command -v man >/dev/null || need+=(man-db)
command -v groff >/dev/null || need+=(groff-base)
command -v dpkg-shlibdeps >/dev/null || need+=(dpkg-dev)
[ -f /usr/include/gtest/gtest.h ] || need+=(libgtest-dev)
if [ ${#need[@]} -gt 0 ]; then
  echo "== installing ${need[*]}"
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${need[@]}" >/dev/null
fi

echo "== release build and tests"
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DRXNFORM_TESTS=ON >/dev/null
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"

echo "== tests under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DRXNFORM_TESTS=ON \
  -DRXNFORM_SANITIZE=ON >/dev/null
cmake --build build-asan -j "$jobs"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-asan --output-on-failure -j "$jobs"

echo "== fuzz smoke run: the checked-in corpus, then a short random run"
CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DRXNFORM_TESTS=OFF -DRXNFORM_FUZZ=ON >/dev/null
cmake --build build-fuzz -j "$jobs"
fuzz_dir=$(mktemp -d)
trap 'rm -rf "$fuzz_dir"' EXIT
cp tests/fuzz/corpus/* "$fuzz_dir"/
build-fuzz/tests/fuzz/fuzz_convert -runs=0 tests/fuzz/corpus
build-fuzz/tests/fuzz/fuzz_convert -dict=tests/fuzz/rxnform.dict -max_len=8192 \
  -max_total_time="${FUZZ_SECONDS:-60}" -artifact_prefix="$fuzz_dir/" "$fuzz_dir" 2>&1 | tail -n 3

echo "== static checks: clang-format, clang-tidy, cppcheck"
sources=$(git ls-files 'src/*.cpp' 'src/*.hpp' 'tests/*.cpp' 'tests/*.hpp' 'bench/*.cpp')
clang-format --dry-run --Werror $sources
tidy_log=$(mktemp)
if ! clang-tidy -p build --quiet $(git ls-files 'src/*.cpp') >"$tidy_log" 2>&1; then
  grep -E -A3 'warning:|error:' "$tidy_log"
  exit 1
fi
cppcheck --enable=warning,performance,portability --std=c++20 --error-exitcode=1 --inline-suppr \
  --quiet -I src src

echo "== all tests passed"
