#!/usr/bin/env bash
# `joyvane --diagnose` on the private desktop (scripts/with-desktop.sh): it must see the X
# server with XTest, the accessibility bus and the tray host, print the SDL version, and exit
# without opening a window. Exits 77 (skipped) without a desktop.
set -euo pipefail
program=$1
[ -n "${DISPLAY:-}" ] && [ -n "${DBUS_SESSION_BUS_ADDRESS:-}" ] || exit 77
output=$(timeout 20 "$program" --diagnose)
echo "$output"
expect() {
  grep -qF -- "$1" <<<"$output" || { echo "missing: $1" >&2; exit 1; }
}
expect "joyvane "
expect "backend: X11 with XTest"
expect "XTest: available"
expect "session bus: connected"
expect "accessibility bus: running"
expect "X11 system tray yes"
expect "SDL version: 2."
expect "controllers: "
