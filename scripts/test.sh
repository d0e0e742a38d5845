#!/usr/bin/env bash
# Every test: the native suites (sanitizers on) beside the Win32 build, then
# the Win32 suites under Wine, with a 30-second pass of each fuzz target
# beside them. Installs what it needs first.
#   scripts/test.sh [--full]
# --full lives each row of the handle-balance test 1,000 times instead of
# 100 (a leak of one object a life shows at either count).
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
# On a miss ccache would run the preprocessor once more to key the result
# (12 % more compile time on a fresh machine); it takes the compiler's
# dependency file instead.
export CCACHE_DEPEND=${CCACHE_DEPEND:-1}
stage "native build" sh -c 'cmake --preset native >/dev/null && cmake --build --preset native'
# The fuzz pass runs for a set time at low priority: beside every later stage
# it takes what they leave. Its report comes at the end.
fuzz_log=build/fuzz-stage.log
stage "fuzz (beside)" sh -c "scripts/fuzz.sh 30 >$fuzz_log 2>&1" &
fuzz=$!
# The package as shipped (for the consumer matrix) is built by
# package_consumers_build, beside the display suites.
# The three parts of the handle-balance test take most of the Win32 time;
# each has a Wine prefix and a display of its own, so they run beside each
# other and beside the other suites. Of those, the ones that share the one
# display and prefix hold the lock "wine-display" and run in turn; the screen
# checks (a display of their own) and the compile checks run beside them.
win32_suites() {
  local balance rc=0
  stage "balance parts" ctest --preset win32 -R '^balance' -j3 &
  balance=$!
  stage "win32 suites" ctest --preset win32 -E '^balance' -j2 || rc=$?
  wait "$balance" || rc=$?
  return "$rc"
}
# The native suites (they share nothing: temporary folders are per process)
# run beside the Win32 build; their output follows it. Two of them take most
# of the time, one process each, which leaves a core to the build.
# A failed stage ends the run, once the fuzz pass has reported.
native_log=build/native-tests.log
beside_fuzz() {
  local native rc=0
  stage "native tests" sh -c "ctest --preset native -j2 >$native_log 2>&1" &
  native=$!
  stage "reference" scripts/docs.sh &&
    stage "win32 build" sh -c 'cmake --preset win32 >/dev/null && cmake --build --preset win32' || rc=$?
  echo "== native tests"
  if wait "$native"; then
    grep -E 'tests passed|Total Test time' "$native_log"
  else
    rc=1
    cat "$native_log"
  fi
  [ "$rc" -eq 0 ] && win32_suites
}
status=0
beside_fuzz || status=$?
fuzz_status=0
wait "$fuzz" || fuzz_status=$?
echo "== fuzz"
if [ "$fuzz_status" -eq 0 ]; then
  sed -n '/^fuzz_[a-z_]*: /,$p' "$fuzz_log"
else
  cat "$fuzz_log"
  status=$fuzz_status
fi
exit "$status"
