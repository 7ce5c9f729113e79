#!/usr/bin/env bash
# Runs a command on a private Wayland desktop: everything scripts/with-desktop.sh starts (session
# bus, accessibility bus, private XDG folders, an Xvfb display), and Weston drawing into a
# window on that display. Weston's nested backend gives its clients a real seat: windows are
# activated and focused, and XTest on the Xvfb display reaches Weston as keyboard and pointer.
# WAYLAND_DISPLAY and XDG_SESSION_TYPE=wayland are set; DISPLAY stays set, as XWayland sets it
# on real sessions.
#   scripts/with-wayland.sh [--size WxH] -- COMMAND...
set -euo pipefail

size=1440x900
while [ $# -gt 0 ]; do
  case "$1" in
    --size) size="$2"; shift ;;
    --inner) inner=1 ;;
    --) shift; break ;;
    *) break ;;
  esac
  shift
done
[ $# -gt 0 ] || { echo "with-wayland: no command given" >&2; exit 2; }

if [ -z "${inner:-}" ]; then
  here=$(cd "$(dirname "$0")" && pwd)
  exec "$here/with-desktop.sh" --no-wm --no-tray --size "$size" -- "$0" --inner --size "$size" -- "$@"
fi

command -v weston >/dev/null || { echo "with-wayland: weston is not installed" >&2; exit 1; }
socket="joyvane-wayland-$$"
log="$XDG_RUNTIME_DIR/weston.log"
weston --backend=x11-backend.so --use-pixman --socket="$socket" --idle-time=0 \
  --width="${size%x*}" --height="${size#*x}" >"$log" 2>&1 &
weston_pid=$!
trap 'kill $weston_pid 2>/dev/null || true' EXIT
for _ in $(seq 1 100); do
  [ -S "$XDG_RUNTIME_DIR/$socket" ] && break
  sleep 0.05
done
[ -S "$XDG_RUNTIME_DIR/$socket" ] || { echo "with-wayland: weston did not start" >&2; cat "$log" >&2; exit 1; }
export WAYLAND_DISPLAY="$socket" XDG_SESSION_TYPE=wayland

set +e
"$@"
exit $?
