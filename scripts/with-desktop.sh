#!/usr/bin/env bash
# Runs a command inside a private headless desktop: its own session bus, an Xvfb display with
# XTest, the accessibility bus (enabled), a window manager and a tray host, and private XDG
# folders, so tests never touch the real desktop or the home folder.
#   scripts/with-desktop.sh [--no-wm] [--no-tray] [--size WxH] -- COMMAND...
set -euo pipefail

want_wm=1
want_tray=1
size=1440x900
while [ $# -gt 0 ]; do
  case "$1" in
    --no-wm) want_wm=0 ;;
    --no-tray) want_tray=0 ;;
    --size) size="$2"; shift ;;
    --) shift; break ;;
    *) break ;;
  esac
  shift
done
[ $# -gt 0 ] || { echo "with-desktop: no command given" >&2; exit 2; }

if [ -z "${JOYVANE_DESKTOP_INNER:-}" ]; then
  # Re-enter inside a fresh session bus.
  export JOYVANE_DESKTOP_INNER=1
  args=()
  [ "$want_wm" = 1 ] || args+=(--no-wm)
  [ "$want_tray" = 1 ] || args+=(--no-tray)
  exec dbus-run-session -- "$0" "${args[@]}" --size "$size" -- "$@"
fi
unset JOYVANE_DESKTOP_INNER

state=$(mktemp -d /tmp/joyvane-desktop.XXXXXX)
chmod 700 "$state"
export XDG_RUNTIME_DIR="$state/runtime" XDG_CONFIG_HOME="$state/config"
export XDG_CACHE_HOME="$state/cache" XDG_DATA_HOME="$state/data" HOME="$state/home"
mkdir -p "$XDG_RUNTIME_DIR" "$XDG_CONFIG_HOME" "$XDG_CACHE_HOME" "$XDG_DATA_HOME" "$HOME"
chmod 700 "$XDG_RUNTIME_DIR"
export GSETTINGS_BACKEND=memory NO_AT_BRIDGE=0

pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$state"
}
trap cleanup EXIT

# A free display number.
display=90
while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do
  display=$((display + 1))
done
Xvfb ":$display" -screen 0 "${size}x24" -nolisten tcp -noreset +extension XTEST \
  +extension RANDR >"$state/xvfb.log" 2>&1 &
pids+=($!)
export DISPLAY=":$display"
for _ in $(seq 1 100); do
  xdpyinfo >/dev/null 2>&1 && break
  sleep 0.05
done
xdpyinfo >/dev/null 2>&1 || { echo "with-desktop: Xvfb did not start" >&2; cat "$state/xvfb.log" >&2; exit 1; }

# The accessibility bus, enabled before any application starts.
if [ -x /usr/libexec/at-spi-bus-launcher ]; then
  /usr/libexec/at-spi-bus-launcher --launch-immediately >"$state/atspi.log" 2>&1 &
  pids+=($!)
  for _ in $(seq 1 100); do
    gdbus call --session --dest org.a11y.Bus --object-path /org/a11y/bus \
      --method org.a11y.Bus.GetAddress >/dev/null 2>&1 && break
    sleep 0.05
  done
  gdbus call --session --dest org.a11y.Bus --object-path /org/a11y/bus \
    --method org.freedesktop.DBus.Properties.Set org.a11y.Status IsEnabled '<true>' >/dev/null 2>&1 || true
fi

if [ "$want_wm" = 1 ]; then
  openbox --sm-disable >"$state/openbox.log" 2>&1 &
  pids+=($!)
  for _ in $(seq 1 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.05
  done
fi

if [ "$want_tray" = 1 ]; then
  trayer --edge top --align right --widthtype request --height 24 >"$state/trayer.log" 2>&1 &
  pids+=($!)
  sleep 0.3
fi

set +e
"$@"
status=$?
exit $status
