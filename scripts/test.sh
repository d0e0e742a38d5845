#!/usr/bin/env bash
# Every test: the native suites (sanitizers on), a 30-second pass of each
# fuzz target, then the Win32 suites under Wine. Installs what it needs first.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
scripts/install-deps.sh
trap 'scripts/xvfb-stop --all' EXIT

cmake --preset native >/dev/null
cmake --build --preset native
# The native suites share nothing (temporary folders are per process), so
# they run two at a time; the Win32 suites share the display and the focus.
ctest --preset native -j2

scripts/fuzz.sh 30

scripts/docs.sh

cmake --preset win32 >/dev/null
cmake --build --preset win32
# The package as shipped, for the consumer matrix (package_consumers): only
# what it installs, not the tests.
cmake --preset win32-release >/dev/null
cmake --build --preset win32-release --target package_contents
# The two halves of the handle-balance test take most of the Win32 time; each
# has a Wine prefix and a display of its own, so they run beside each other
# and beside the other suites, which share one display and run in turn.
ctest --preset win32 -R '^balance' -j2 &
balance=$!
status=0
ctest --preset win32 -E '^balance' || status=$?
wait "$balance" || status=$?
exit "$status"
