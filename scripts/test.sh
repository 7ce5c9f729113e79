#!/usr/bin/env bash
# Sets everything up and runs every test: unit, scenario, property, desktop integration and
# end-to-end tests, all under AddressSanitizer + UBSan, then checks the Debian package and
# fuzzes the scenario reader for 60 s.
#   scripts/test.sh                        sanitized build in build-asan/ (what CI runs)
#   JOYVANE_SANITIZE=OFF scripts/test.sh   a plain build in build/
#   JOYVANE_FUZZ_SECONDS=0 scripts/test.sh without the fuzzer
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh

sanitize=${JOYVANE_SANITIZE:-ON}
dir=build
[ "$sanitize" = ON ] && dir=build-asan
jobs=${JOYVANE_JOBS:-2}

cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DJOYVANE_SANITIZE="$sanitize" >/dev/null
cmake --build "$dir" -j "$jobs"

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=0}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$PWD/scripts/lsan.supp}
# Desktop tests get their own private X server, buses, window manager and tray host; the
# Wayland ones run twice on top of the same: on Weston, and on a headless sway, which has the
# layer shell the keyboard panel floats on.
scripts/with-desktop.sh -- ctest --test-dir "$dir" --output-on-failure -j "$jobs" --timeout 300 \
  -E '^wayland_desktop[.]'
for compositor in weston sway; do
  scripts/with-wayland.sh --compositor "$compositor" -- \
    ctest --test-dir "$dir" --output-on-failure --timeout 300 -R '^wayland_desktop[.]'
done

# The Debian package from a plain Release build: validated, installed, run and removed.
bash scripts/package-check.sh

# The scenario reader and the engine behind it under libFuzzer, for a bounded time.
if [ "${JOYVANE_FUZZ_SECONDS:-60}" -gt 0 ]; then
  bash scripts/fuzz.sh "${JOYVANE_FUZZ_SECONDS:-60}"
fi
