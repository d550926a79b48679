#!/usr/bin/env bash
# Builds everything with clang under AddressSanitizer and UndefinedBehaviorSanitizer
# in ./build-san, runs the whole test suite there, then runs each libFuzzer
# target for a short while (FUZZ_SECONDS each, 30 by default) from seeds made
# of the course sources and the test course.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh

# Leaks inside the system's Qt and fonts libraries are not ours to fix, nor is
# the system's Qt WebEngine deleting some of its objects by a base of another size.
export ASAN_OPTIONS=detect_leaks=0:new_delete_type_mismatch=0:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

# -O1 with line tables only: quick to build, and reports still name the line.
cmake -S . -B build-san -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -gline-tables-only -DNDEBUG" \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DQUORVANE_SANITIZE=ON -DQUORVANE_FUZZ=ON
cmake --build build-san -j"$(nproc)"
(cd build-san && ctest --output-on-failure -j2 --timeout 600)

seeds=$(mktemp -d)
trap 'rm -rf "$seeds"' EXIT
mkdir -p "$seeds"/{recordfile,answercheck,coursepack}
for n in 30000 30121 30122 30123 30124 30125 30126; do
  cp "tests/fixtures/custom/$n" "$seeds/recordfile/$n"
done
printf 'went\x1ewent\x1eT' > "$seeds/answercheck/text"
printf '2.5\x1e2.50\x1eN\x1e2 3/7\x1e2 3/7\x1eX' > "$seeds/answercheck/number"
printf 'red\x1e;red;green\x1eG\x1egreen\x1e \x1eG\x1ebegan\x1e;began;started\x1eM' \
  > "$seeds/answercheck/lists"
# A course seed is course.yaml, the byte 0x1E, then one paper file. The cases
# of tests/coursepack/bad change the good course in one file each.
good=tests/coursepack/good
i=0
for course in course "$good" tests/coursepack/bad/*; do
  i=$((i + 1))
  yaml="$course/course.yaml"
  [ -f "$yaml" ] || yaml="$good/course.yaml"
  paper=$(ls "$course"/papers/*.yaml 2>/dev/null | head -n 1 || true)
  [ -n "$paper" ] || paper="$good/papers/101.yaml"
  { cat "$yaml"; printf '\x1e'; cat "$paper"; } > "$seeds/coursepack/$i"
done

for target in recordfile answercheck coursepack; do
  mkdir -p "$seeds/found-$target"
  build-san/tests/fuzz/fuzz_$target -max_total_time="${FUZZ_SECONDS:-30}" -timeout=10 \
    -rss_limit_mb=4096 -print_final_stats=1 -artifact_prefix="$seeds/" \
    "$seeds/found-$target" "$seeds/$target"
done
