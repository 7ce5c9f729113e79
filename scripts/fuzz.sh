#!/usr/bin/env bash
# Builds the scenario fuzzer with clang (libFuzzer, ASan, UBSan) and runs it for a bounded time
# on a corpus seeded from tests/scenarios. Any crash, sanitizer report or hang fails the run.
#   scripts/fuzz.sh [SECONDS]   (default 60)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}

CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DJOYVANE_FUZZ=ON -DJOYVANE_DESKTOP=OFF -DJOYVANE_TESTS=OFF -DJOYVANE_BENCH=OFF \
  -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined" \
  -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null
cmake --build build-fuzz -j "${JOYVANE_JOBS:-2}" --target scenario_fuzzer

corpus=$(mktemp -d)
trap 'rm -rf "$corpus"' EXIT
cp tests/scenarios/*.scn "$corpus"/
[ -d tests/scenarios/errors ] && cp tests/scenarios/errors/*.scn "$corpus"/ 2>/dev/null || true
mkdir -p build-fuzz/artifacts
build-fuzz/fuzz/scenario_fuzzer "$corpus" -max_total_time="$seconds" -timeout=10 \
  -rss_limit_mb=2048 -max_len=4096 -artifact_prefix=build-fuzz/artifacts/ -print_final_stats=1
