#!/usr/bin/env bash
# Runs a command on a private Wayland desktop: everything scripts/with-desktop.sh starts (session
# bus, accessibility bus, private XDG folders, an Xvfb display), and a compositor:
# - weston (the default), drawing into a window on that display. Its nested backend gives its
#   clients a real seat: windows are activated and focused, and XTest on the Xvfb display
#   reaches Weston as keyboard and pointer.
# - sway, headless, for the wlroots protocols (layer shell, data control). sway refuses to run
#   as root: as root it runs as the user nobody, in a runtime folder of its own, and clients
#   reach it by the socket's path. SWAYSOCK is set for swaymsg.
# WAYLAND_DISPLAY and XDG_SESSION_TYPE=wayland are set; DISPLAY stays set, as XWayland sets it
# on real sessions.
#   scripts/with-wayland.sh [--size WxH] [--compositor weston|sway] -- COMMAND...
set -euo pipefail

size=1440x900
compositor=weston
while [ $# -gt 0 ]; do
  case "$1" in
    --size) size="$2"; shift ;;
    --compositor) compositor="$2"; shift ;;
    --inner) inner=1 ;;
    --) shift; break ;;
    *) break ;;
  esac
  shift
done
[ $# -gt 0 ] || { echo "with-wayland: no command given" >&2; exit 2; }

if [ -z "${inner:-}" ]; then
  here=$(cd "$(dirname "$0")" && pwd)
  exec "$here/with-desktop.sh" --no-wm --no-tray --size "$size" -- \
    "$0" --inner --size "$size" --compositor "$compositor" -- "$@"
fi

start_sway() {
  command -v sway >/dev/null || { echo "with-wayland: sway is not installed" >&2; exit 1; }
  local dir log=$XDG_RUNTIME_DIR/sway.log
  dir=$(mktemp -d /tmp/joyvane-sway.XXXXXX)
  printf 'output HEADLESS-1 resolution %s\nxwayland disable\n' "$size" >"$dir/config"
  chmod 644 "$dir/config"
  local as_user=()
  if [ "$(id -u)" = 0 ]; then
    chown nobody "$dir"
    as_user=(setpriv --reuid=nobody --regid="$(id -g nobody)" --clear-groups)
  fi
  env -i PATH="$PATH" HOME="$dir" XDG_RUNTIME_DIR="$dir" WLR_BACKENDS=headless \
    WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman "${as_user[@]}" sway -c "$dir/config" \
    >"$log" 2>&1 &
  compositor_pid=$!
  trap 'kill $compositor_pid 2>/dev/null || true; rm -rf "'"$dir"'"' EXIT
  for _ in $(seq 1 100); do
    [ -S "$dir/wayland-1" ] && ls "$dir"/sway-ipc.*.sock >/dev/null 2>&1 && break
    sleep 0.05
  done
  [ -S "$dir/wayland-1" ] || { echo "with-wayland: sway did not start" >&2; cat "$log" >&2; exit 1; }
  export WAYLAND_DISPLAY="$dir/wayland-1" XDG_SESSION_TYPE=wayland
  SWAYSOCK=$(ls "$dir"/sway-ipc.*.sock)
  export SWAYSOCK
}

if [ "$compositor" = sway ]; then
  start_sway
  set +e
  "$@"
  exit $?
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
