#!/usr/bin/env bash
# Builds the program and its benchmarks and prints one table of every figure
# beside its bare Qt baseline, each a median of RUNS alternating runs (7 unless
# given). Runs on a private virtual X server so that the figures do not depend
# on a desktop. Not run by CI: it takes a few minutes and wants a quiet machine.
#   bash bench/run.sh [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
runs="${1:-7}"
bash scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target benchmarks
exec xvfb-run -a -s "-screen 0 1280x1024x24" build/bench/bench_table build "$runs"
