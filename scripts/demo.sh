#!/usr/bin/env bash
# The main job: the demo host renders each panel of the library's controls to
# PNG under Wine (under Xvfb when there is no display) and exits.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
scripts/install-deps.sh
trap 'scripts/xvfb-stop' EXIT

cmake --preset win32 >/dev/null
cmake --build --preset win32 --target GvDemoHost
rm -rf build/screenshots
mkdir -p build/screenshots
scripts/wine-run build/win32/bin/GvDemoHost.exe --screenshot build/screenshots --high-contrast
echo "Screenshots: $root/build/screenshots/"
ls -1 build/screenshots/*.png
