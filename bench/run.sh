#!/usr/bin/env bash
# Builds rxnform in release mode and runs the benchmark at full capacity.
#   usage: bench/run.sh [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DRXNFORM_TESTS=OFF -DRXNFORM_BENCH=ON >/dev/null
cmake --build build-bench -j "$(nproc)" >/dev/null
build-bench/bench/rxnform_bench build-bench/rxnform "${TMPDIR:-/tmp}/rxnform-bench" "${1:-15}"
