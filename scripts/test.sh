#!/usr/bin/env bash
# Sets everything up and runs every test: unit, scenario and desktop integration tests.
#   scripts/test.sh             build in build/ and run all tests
#   JOYVANE_SANITIZE=ON scripts/test.sh   the same under AddressSanitizer + UBSan (build-asan/)
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh

sanitize=${JOYVANE_SANITIZE:-OFF}
dir=build
[ "$sanitize" = ON ] && dir=build-asan
jobs=${JOYVANE_JOBS:-2}

cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DJOYVANE_SANITIZE="$sanitize" >/dev/null
cmake --build "$dir" -j "$jobs"

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=0}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$PWD/scripts/lsan.supp}
# Desktop tests get their own private X server, buses, window manager and tray host.
scripts/with-desktop.sh -- ctest --test-dir "$dir" --output-on-failure -j "$jobs" --timeout 300

# The scenario reader and the engine behind it under libFuzzer, for a bounded time.
if [ "${JOYVANE_FUZZ_SECONDS:-60}" -gt 0 ]; then
  bash scripts/fuzz.sh "${JOYVANE_FUZZ_SECONDS:-60}"
fi
