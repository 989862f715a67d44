#!/usr/bin/env bash
# Builds the web page once, then runs its tests (Chromium, WebKitGTK, Firefox
# ESR and the rest of the web stage) RUNS times in a row, one at a time, with
# BUSY loops keeping cores busy beside them: says each failure, each run's
# time, and at the end how many runs failed. The verdicts must not change.
#   scripts/web_repeat.sh [RUNS=3] [BUSY=0]    (WEB_BUILD: the build directory)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-3}
busy=${2:-0}
build=${WEB_BUILD:-build/web}

cmake --preset web -B "$build" >/dev/null
NODE_PATH=/usr/share/nodejs cmake --build "$build"

loops=()
trap '[ ${#loops[@]} -eq 0 ] || kill "${loops[@]}" 2>/dev/null' EXIT
for _ in $(seq "$busy"); do
  sh -c 'while :; do :; done' &
  loops+=($!)
done

failed=0
for run in $(seq "$runs"); do
  log="$build/web_repeat.$run.log"
  start=$SECONDS
  if ctest --test-dir "$build" -R '^web_' --output-on-failure >"$log" 2>&1; then
    echo "run $run/$runs: passed in $((SECONDS - start)) s"
  else
    failed=$((failed + 1))
    echo "run $run/$runs: FAILED in $((SECONDS - start)) s (details in $log):"
    sed -n '/The following tests FAILED/,$p' "$log" | grep -E '^\s+[0-9]+ - ' || tail -n 20 "$log"
  fi
done
echo "$runs runs with $busy busy loops beside: $failed failed"
[ "$failed" -eq 0 ]
