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
# The same pages at 150 % and 200 %: a Wine prefix per DPI, pictures named
# <page>@144.png and <page>@192.png.
for dpi in 144 192; do
  prefix="$root/build/win32/wineprefix-dpi$dpi"
  WINEPREFIX="$prefix" GV_LOGPIXELS=$dpi scripts/wine-run build/win32/bin/GvDemoHost.exe --screenshot build/screenshots
  WINEPREFIX="$prefix" wineserver -k 2>/dev/null || true
done
echo "Screenshots: $root/build/screenshots/"
ls -1 build/screenshots/*.png
