#!/usr/bin/env bash
# The real program on a private desktop (scripts/with-desktop.sh): first launch shows onboarding
# unless it was seen, a second launch exits 0 and the running one shows the 380 x 380 hint.
#   reopen_desktop_test.sh PROGRAM
set -u
program=$1
if [ -z "${DISPLAY:-}" ] || ! command -v xdotool >/dev/null; then
  echo "needs an X display and xdotool (scripts/with-desktop.sh)"; exit 77
fi
work=$(mktemp -d)
pids=()
cleanup() { for p in "${pids[@]}"; do kill "$p" 2>/dev/null; done; rm -rf "$work"; }
trap cleanup EXIT
fail() { echo "FAIL: $*"; exit 1; }

# Visible windows of the program with the given size.
windows_of_size() {
  local count=0
  for w in $(xdotool search --onlyvisible --class joyvane 2>/dev/null); do
    xdotool getwindowgeometry "$w" | grep -q "Geometry: $1\$" && count=$((count + 1))
  done
  echo $count
}

wait_for() {  # size, expected count, seconds
  for _ in $(seq 1 $(( $3 * 10 ))); do
    [ "$(windows_of_size "$1")" = "$2" ] && return 0
    sleep 0.1
  done
  return 1
}

run() {  # config folder, runtime folder
  mkdir -p "$2" && chmod 700 "$2"
  env -u QT_QPA_PLATFORM XDG_CONFIG_HOME="$1" XDG_RUNTIME_DIR="$2" "$program" 2>>"$work/stderr" &
  pids+=($!)
}

# First launch: onboarding (480 x 580) about half a second after start.
run "$work/fresh" "$work/run1"
wait_for 480x580 1 10 || fail "no onboarding window on first launch"
kill "${pids[0]}"; wait "${pids[0]}" 2>/dev/null

# Onboarding seen: nothing but the tray icon; a second launch brings the hint.
mkdir -p "$work/seen/joyvane"
echo "hasSeenOnboarding=true" >"$work/seen/joyvane/defaults"
run "$work/seen" "$work/run2"
sleep 3
[ "$(windows_of_size 480x580)" = 0 ] || fail "onboarding shown although seen"
[ "$(windows_of_size 380x380)" = 0 ] || fail "hint shown before a reopen"
env -u QT_QPA_PLATFORM XDG_CONFIG_HOME="$work/seen" XDG_RUNTIME_DIR="$work/run2" "$program" \
  || fail "second launch exited with $?"
wait_for 380x380 1 5 || fail "no menu-bar hint after the second launch"
kill -0 "${pids[1]}" || fail "the first instance is gone"
echo "PASS"
