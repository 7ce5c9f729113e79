#!/usr/bin/env bash
# Measures how fast and light Joyvane is, prints a table and writes it, with the machine it ran
# on, to docs/performance.md. Builds its own Release tree (build-perf/). Takes about three
# minutes beyond the build: two idle periods of a minute each.
#   bench/perf/measure.sh                  full run
#   JOYVANE_PERF_IDLE=10 bench/perf/measure.sh   shorter idle periods (a rough look)
# Performance is never checked by a timed test: this script reports, it does not fail on a
# missed target.
set -euo pipefail
cd "$(dirname "$0")/../.."

idle=${JOYVANE_PERF_IDLE:-60}
presses=${JOYVANE_PERF_PRESSES:-1000}
jobs=${JOYVANE_JOBS:-1}
dir=build-perf
out=docs/performance.md

cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DJOYVANE_SANITIZE=OFF >/dev/null
cmake --build "$dir" -j "$jobs" --target tick_benchmark press_latency program_probe joyvane

# key=value lines of a probe, as shell variables with a prefix.
read_values() { # prefix < lines
  while IFS='=' read -r key value; do
    [ -n "$key" ] && printf -v "$1_$key" '%s' "$value"
  done
}

echo "measure: tick() benchmark" >&2
tick_ns=$("$dir/bench/tick_benchmark" --benchmark_min_time=0.2 2>/dev/null |
  awk '/_median/ { print $4; exit }')

echo "measure: button press to X server ($presses presses), composed run idle ${idle} s" >&2
read_values composed < <("$dir/bench/perf/press_latency" --presses "$presses" --idle "$idle")

echo "measure: the program's start-up, idle ${idle} s" >&2
read_values program < <("$dir/bench/perf/program_probe" "$dir/src/app/joyvane" --runs 5 \
  --idle "$idle" --onboarding 10)

# "yes" when value < limit.
meets() { awk -v v="$1" -v l="$2" 'BEGIN { print (v != "" && v + 0 < l + 0) ? "yes" : "no" }'; }
tick_us=$(awk -v n="$tick_ns" 'BEGIN { printf "%.3f", n / 1000 }')

table=$(cat <<TABLE
| Measure | Target | Measured | Met |
|---|---|---|---|
| \`tick()\`, both sticks deflected (median of 9 runs) | < 1 µs | ${tick_us} µs | $(meets "$tick_us" 1) |
| Button press to X server, median (of $presses) | | ${composed_press_median_ms} ms | |
| Button press to X server, 99th percentile | < 2 ms | ${composed_press_p99_ms} ms | $(meets "$composed_press_p99_ms" 2) |
| Button press to X server, slowest | | ${composed_press_max_ms} ms | |
| Processor, program, onboarding open on first launch (10 s) | < 1 % | ${program_onboarding_cpu_percent:-} % | $(meets "${program_onboarding_cpu_percent:-}" 1) |
| Idle processor, program, no controller, onboarding closed (${idle} s) | < 0.1 % | ${program_idle_cpu_percent} % | $(meets "$program_idle_cpu_percent" 0.1) |
| Idle processor, composed run, resting controller (${idle} s) | < 1 % | ${composed_idle_cpu_percent} % | $(meets "$composed_idle_cpu_percent" 1) |
| Resident memory, program | < 60 MB | ${program_resident_mb} MB | $(meets "$program_resident_mb" 60) |
| Resident memory, composed run with a controller | < 60 MB | ${composed_resident_mb} MB | $(meets "$composed_resident_mb" 60) |
| Start-up to tray icon, first of 5 launches | < 300 ms | ${program_startup_first_ms} ms | $(meets "$program_startup_first_ms" 300) |
| Start-up to tray icon, median of 5 launches | < 300 ms | ${program_startup_median_ms} ms | $(meets "$program_startup_median_ms" 300) |
TABLE
)

echo "$table"

mkdir -p "$(dirname "$out")"
model=$(lscpu | sed -n 's/^Model name: *//p' | head -1)
{
  echo "# Performance"
  echo
  echo "Measured by \`bench/perf/measure.sh\` (Release build) on $(date -u '+%Y-%m-%d %H:%M UTC'):"
  echo "${model:-unknown processor}, $(nproc) cores, $(uname -sr), shared with other work."
  echo
  echo "$table"
  echo
  cat bench/perf/notes.md
} >"$out"
echo "measure: wrote $out" >&2
