#!/usr/bin/env bash
# Builds the Debian package from a plain Release build (the test build is sanitized) and checks
# it for real: the desktop entry, the AppStream metainfo, lintian with no errors, then installs
# it on this machine, runs the installed programs and removes it again.
#   scripts/package-check.sh        (scripts/test.sh runs it; needs root or sudo)
set -euo pipefail
cd "$(dirname "$0")/.."

dir=${JOYVANE_PACKAGE_DIR:-build-package}
jobs=${JOYVANE_JOBS:-2}
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi

# Only what the package holds is built: no tests, no benchmarks.
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DJOYVANE_SANITIZE=OFF \
  -DJOYVANE_TESTS=OFF -DJOYVANE_BENCH=OFF >/dev/null
cmake --build "$dir" -j "$jobs" --target joyvane joyvane-sim joyvane_data
rm -f "$dir"/joyvane_*.deb
(cd "$dir" && cpack -G DEB >/dev/null)
deb=$(ls "$dir"/joyvane_*.deb)
version=$(dpkg-deb -f "$deb" Version)
echo "package-check: built $deb"

stage=$(mktemp -d)
installed=no
cleanup() {
  rm -rf "$stage"
  if [ "$installed" = yes ]; then "${sudo_cmd[@]}" dpkg -r joyvane >/dev/null || true; fi
}
trap cleanup EXIT
dpkg-deb -x "$deb" "$stage"
desktop-file-validate "$stage/usr/share/applications/io.github.joyvane.Joyvane.desktop"
appstreamcli validate --no-net --pedantic \
  "$stage/usr/share/metainfo/io.github.joyvane.Joyvane.metainfo.xml"
lintian --fail-on error "$deb"

"${sudo_cmd[@]}" dpkg -i "$deb"
installed=yes
[ "$(/usr/bin/joyvane --version)" = "joyvane $version" ]
/usr/bin/joyvane --help | grep -q -- '--diagnose'
/usr/bin/joyvane-sim --help >/dev/null
[ -f /usr/lib/udev/rules.d/70-joyvane.rules ]
[ -f /usr/share/icons/hicolor/scalable/apps/io.github.joyvane.Joyvane.svg ]
[ -f /usr/share/icons/hicolor/128x128/apps/io.github.joyvane.Joyvane.png ]
man -w joyvane >/dev/null 2>&1 || [ -f /usr/share/man/man1/joyvane.1.gz ]
"${sudo_cmd[@]}" dpkg -r joyvane
installed=no
for file in /usr/bin/joyvane /usr/bin/joyvane-sim /usr/lib/udev/rules.d/70-joyvane.rules \
            /usr/share/applications/io.github.joyvane.Joyvane.desktop; do
  if [ -e "$file" ]; then echo "package-check: $file left behind after removal" >&2; exit 1; fi
done
echo "package-check: joyvane $version validated, installed, ran and removed"
