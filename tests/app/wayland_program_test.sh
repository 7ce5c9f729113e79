#!/usr/bin/env bash
# The real program on a private Wayland desktop (scripts/with-wayland.sh), where /dev/uinput is
# missing: it starts as a Wayland client although DISPLAY is set, picks the Wayland backends,
# says once on standard error what is missing, and shows its panel with the banner naming the
# fix (no tray host here, so the panel is a window). Prints the start-up time and leaves a
# screenshot in SHOTS.
#   wayland_program_test.sh PROGRAM SHOTS
set -u
program=$1
shots=$2
if [ -z "${WAYLAND_DISPLAY:-}" ] || [ -z "${DISPLAY:-}" ]; then
  echo "needs a Wayland compositor (scripts/with-wayland.sh)"; exit 77
fi
if [ -w /dev/uinput ]; then
  echo "/dev/uinput is writable here: the missing-device path cannot be shown"; exit 77
fi
work=$(mktemp -d)
pid=
cleanup() { [ -n "$pid" ] && kill "$pid" 2>/dev/null; rm -rf "$work"; }
trap cleanup EXIT
fail() { echo "FAIL: $*"; sed -n '1,5p' "$work/stderr" | grep -v '^\[' ; exit 1; }

mkdir -p "$work/config/joyvane" "$work/run" && chmod 700 "$work/run"
echo "hasSeenOnboarding=true" >"$work/config/joyvane/defaults"
# The compositor's socket lives in the desktop's runtime folder (unless named by its path); the
# program gets its own.
case $WAYLAND_DISPLAY in
  /*) ;;
  *) ln -s "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" "$work/run/$WAYLAND_DISPLAY" ;;
esac

start=$(date +%s%N)
env -u QT_QPA_PLATFORM -u JOYVANE_BACKEND WAYLAND_DEBUG=client XDG_SESSION_TYPE=wayland \
  XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/run" "$program" 2>"$work/stderr" &
pid=$!
# Start-up: until the panel's window is committed with a buffer (the tray has a grace period
# before the window replaces it).
shown=
for _ in $(seq 1 1000); do
  if grep -q 'xdg_toplevel@[0-9]*\.set_title("Joyvane")' "$work/stderr" 2>/dev/null; then
    shown=$(date +%s%N); break
  fi
  sleep 0.01
done
[ -n "$shown" ] || fail "no Joyvane window on the Wayland display"
echo "start-up to panel window: $(( (shown - start) / 1000000 )) ms"

kill -0 "$pid" || fail "the program exited"
grep -q 'wl_display@1\.get_registry' "$work/stderr" || fail "not a Wayland client"
lines=$(grep -c '^joyvane: /dev/uinput does not exist' "$work/stderr")
[ "$lines" = 1 ] || fail "the missing device was reported $lines times"
grep -q 'modprobe uinput' "$work/stderr" || fail "no fix named"
grep -q 'XTest' "$work/stderr" && fail "the X11 backend was used"

sleep 1
mkdir -p "$shots"
# Weston draws into the X display; sway, headless, is read through its screen-copy protocol.
if [ -n "${SWAYSOCK:-}" ]; then
  shot=$shots/wayland-sway-uinput-banner.png
  grim "$shot" 2>/dev/null || fail "no screenshot"
else
  shot=$shots/wayland-uinput-banner.png
  import -window root "$shot" 2>/dev/null || fail "no screenshot"
fi
# The banner is drawn in the panel's orange tint: look for it in the picture.
orange=$(convert "$shot" -fuzz 12% -fill white -opaque '#FF9500' \
  -fill black +opaque white -format '%[fx:mean*w*h]' info: 2>/dev/null | cut -d. -f1)
[ "${orange:-0}" -gt 200 ] || fail "no banner in the screenshot ($orange orange pixels)"
echo "PASS"
