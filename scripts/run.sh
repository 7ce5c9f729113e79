#!/usr/bin/env bash
# Sets everything up, builds Joyvane and runs it on the current desktop.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "${JOYVANE_JOBS:-2}"
if [ -x build/src/app/joyvane ]; then
  exec build/src/app/joyvane "$@"
fi
echo "run: the desktop program is not built yet; running the simulator on an example instead" >&2
exec build/tools/joyvane-sim tests/scenarios/pointer_and_scroll.scn
