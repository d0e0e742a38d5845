#!/usr/bin/env bash
# Runs each libFuzzer target for SECONDS (default 30), two at a time, at
# low priority: scripts/fuzz.sh [SECONDS] [TARGET...]. Targets: fuzz_parse,
# fuzz_keyword_loader, fuzz_dds, fuzz_texture, fuzz_syntax_settings (all when
# none is named).
# The corpus grows in build/fuzz/corpus/ from seeds made out of data/; a
# finding is written to build/fuzz/findings/ and fails the run. GV_FUZZ_RUNS
# ends each target after that many executions when that comes first.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
seconds=${1:-30}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(fuzz_parse fuzz_keyword_loader fuzz_dds fuzz_texture fuzz_syntax_settings)

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
out=build/fuzz
rm -rf "$out/seeds"
python3 tests/fuzz/make-seeds.py data "$out/seeds"
mkdir -p "$out/findings"
rm -f "$out"/*.status
# Inputs are capped a little above the parsers' 1,024-unit token and run
# buffers: the time of an execution grows with the input, and past that no
# path is new. Slow inputs (a keyword group naming thousands of words) are
# chosen for mutation less often than fast ones.
max_len() {
  case $1 in
    fuzz_parse | fuzz_keyword_loader) echo 1280 ;;
    fuzz_syntax_settings) echo 2048 ;;
    *) echo 4096 ;;
  esac
}
# Only a unit running past a minute counts as a hang: under the sanitizers a
# few hundred bytes of JPEG that claim 45 megapixels take seconds to decode.
# GV_FUZZ_JOBS targets run at once (default 2, one per core of the CI
# machine); each still gets SECONDS of its own.
fuzz_one() {
  local t=$1 log="$out/$1.log" rc=0
  mkdir -p "$out/corpus/$t"
  nice -n 10 "$out/bin/$t" -max_total_time="$seconds" -runs="${GV_FUZZ_RUNS:--1}" -max_len="$(max_len "$t")" \
    -entropic_scale_per_exec_time=1 -timeout=60 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$out/findings/$t-" "$out/corpus/$t" "$out/seeds/$t" >"$log" 2>&1 || rc=$?
  echo $rc >"$out/$t.status"
}
report() {
  local t=$1 log="$out/$1.log"
  if [ "$(cat "$out/$t.status" 2>/dev/null)" = 0 ]; then
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    time=$(sed -n 's/^Done [0-9]* runs in \([0-9]*\) second.*/\1/p' "$log")
    echo "$t: $runs executions in ${time:-$seconds}s, no finding"
  else
    echo "$t: FINDING (log $log, input in $out/findings/)"
    grep -A 30 -m 1 "ERROR\|==ERROR\|runtime error\|deadly signal" "$log" || tail -n 30 "$log"
    status=1
  fi
}
jobs_at_once=${GV_FUZZ_JOBS:-2}
status=0
for ((i = 0; i < ${#targets[@]}; i += jobs_at_once)); do
  batch=("${targets[@]:i:jobs_at_once}")
  for t in "${batch[@]}"; do
    fuzz_one "$t" &
  done
  wait
  for t in "${batch[@]}"; do
    report "$t"
  done
done
exit $status
