#!/usr/bin/env bash
# Runs each Win32 suite RUNS times (default 20) while both cores are kept
# busy by other processes, as on a loaded CI machine, then prints a table of
# suite, runs, failures and time; exits nonzero on any failure. Further
# arguments choose the suites as CTest does (default: every Win32 test):
#   scripts/stress.sh 20 -E '^balance'
#   scripts/stress.sh 3 -R '^balance'
# Each run takes the cases in a new random order (GoogleTest's shuffle), so a
# case that leans on what an earlier one left behind shows. The log of each
# failed run, with the order's seed, is kept in build/stress/SUITE-RUN.log.
# The handle-balance rows live 25 lives a run here (GV_BALANCE_LIVES sets
# another count): 20 runs give each row 500 lives after its warm-ups, five
# times what one run of the test command gives, in 20 fresh processes.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
runs=${1:-20}
shift || true
[[ $runs =~ ^[1-9][0-9]*$ ]] || { echo "usage: scripts/stress.sh [RUNS] [CTEST SELECTION...]" >&2; exit 2; }

export GV_BALANCE_LIVES=${GV_BALANCE_LIVES:-25}
cmake --preset win32 >/dev/null
cmake --build --preset win32
mapfile -t suites < <(ctest --preset win32 -N "$@" | sed -n 's/^ *Test *#[0-9]*: //p')
[ ${#suites[@]} -gt 0 ] || { echo "stress: no suite chosen" >&2; exit 2; }

load=()
stop() {
  for pid in "${load[@]}"; do kill "$pid" 2>/dev/null || true; done
  scripts/xvfb-stop --all
}
trap stop EXIT
for _ in 1 2; do
  (while :; do :; done) &
  load+=($!)
done

out=build/stress
mkdir -p "$out"
rows=()
failed=0
for suite in "${suites[@]}"; do
  failures=0
  start=$SECONDS
  for ((run = 1; run <= runs; run++)); do
    log="$out/$suite-$run.log"
    if GTEST_SHUFFLE=1 GTEST_RANDOM_SEED=$(( (RANDOM % 99999) + 1 )) ctest --preset win32 -R "^$suite\$" --output-on-failure >"$log" 2>&1; then
      rm -f "$log"
    else
      failures=$((failures + 1))
      echo "stress: $suite failed in run $run (log $log)"
    fi
  done
  failed=$((failed + failures))
  rows+=("$(printf '%-34s %5d %9d %8ds' "$suite" "$runs" "$failures" $((SECONDS - start)))")
  echo "${rows[-1]}"
done

echo
printf '%-34s %5s %9s %9s\n' suite runs failures time
printf '%s\n' "${rows[@]}"
echo "under load of ${#load[@]} busy processes; $failed failures"
[ "$failed" -eq 0 ]
