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
command -v ninja >/dev/null || need+=(ninja-build)
[ -f /usr/include/gtest/gtest.h ] || need+=(libgtest-dev)
if [ ${#need[@]} -gt 0 ]; then
  echo "== installing ${need[*]}"
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${need[@]}" >/dev/null
fi

echo "== release build and tests"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DRXNFORM_TESTS=ON >/dev/null
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"

echo "== tests under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DRXNFORM_TESTS=ON \
  -DRXNFORM_SANITIZE=ON >/dev/null
cmake --build build-asan -j "$jobs"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-asan --output-on-failure -j "$jobs"
