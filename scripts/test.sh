#!/usr/bin/env bash
# Every test: the native suites (sanitizers on), a 30-second pass of each
# fuzz target, then the Win32 suites under Wine. Installs what it needs first.
#   scripts/test.sh [--full]
# --full lives each row of the handle-balance test 1,000 times instead of
# 250 (a leak of one object a life shows at either count).
# Each stage is a named step whose time is printed at the end, failed or not.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
for arg in "$@"; do
  case $arg in
    --full) export GV_BALANCE_LIVES=1000 ;;
    *) echo "usage: scripts/test.sh [--full]" >&2; exit 2 ;;
  esac
done

mkdir -p build
times=build/test-stage-times
: >"$times"
begin=$SECONDS
# stage NAME COMMAND...: runs the command, notes its time and result.
stage() {
  local name=$1 start=$SECONDS rc=0
  shift
  echo "== $name"
  "$@" || rc=$?
  printf '%-22s %6ds  %s\n' "$name" $((SECONDS - start)) "$([ $rc -eq 0 ] && echo ok || echo "FAILED ($rc)")" >>"$times"
  return $rc
}
finish() {
  scripts/xvfb-stop --all
  echo
  echo "Stage times:"
  cat "$times"
  printf '%-22s %6ds\n' total $((SECONDS - begin))
}
trap finish EXIT

stage "install dependencies" scripts/install-deps.sh
# What was compiled before, in this or another checkout, is not compiled
# again: ccache keys on paths relative to the checkout.
export CMAKE_C_COMPILER_LAUNCHER=${CMAKE_C_COMPILER_LAUNCHER:-ccache}
export CMAKE_CXX_COMPILER_LAUNCHER=${CMAKE_CXX_COMPILER_LAUNCHER:-ccache}
export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$root} CCACHE_NOHASHDIR=1
# The Win32 suites' precompiled header is only cached on these terms.
export CCACHE_SLOPPINESS=${CCACHE_SLOPPINESS:-pch_defines,time_macros,include_file_mtime,include_file_ctime}
stage "native build" sh -c 'cmake --preset native >/dev/null && cmake --build --preset native'
# The native suites share nothing (temporary folders are per process).
stage "native tests" ctest --preset native -j2
stage "fuzz" scripts/fuzz.sh 30
stage "reference" scripts/docs.sh
stage "win32 build" sh -c 'cmake --preset win32 >/dev/null && cmake --build --preset win32'
# The package as shipped, for the consumer matrix (package_consumers_*): only
# what it installs, not the tests.
stage "win32-release package" sh -c 'cmake --preset win32-release >/dev/null && cmake --build --preset win32-release --target package_contents'
# The two halves of the handle-balance test take most of the Win32 time;
# each has a Wine prefix and a display of its own, so they run beside each
# other and beside the other suites. Of those, the ones that share the one
# display and prefix hold the lock "wine-display" and run in turn; the screen
# checks (a display of their own) and the compile checks run beside them.
stage "balance halves" ctest --preset win32 -R '^balance' -j2 &
balance=$!
status=0
stage "win32 suites" ctest --preset win32 -E '^balance' -j2 || status=$?
wait "$balance" || status=$?
exit "$status"
