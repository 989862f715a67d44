#!/usr/bin/env bash
# Runs inside Xvfb for bench/run.sh: measures each program in turn, RUNS
# times, and prints the medians and the ratios against both baselines.
set -euo pipefail
runs=$1
timer="taskset -c 1 build/default/bench/window_timer"
programs=(build/default/qt/quimbel build/default/bench/bare_window /usr/bin/xcalc)
names=(quimbel bare-qt xcalc)
results=$(mktemp)
trap 'rm -f "$results"' EXIT

# One unmeasured run each, so that every program starts from a warm cache.
for program in "${programs[@]}"; do $timer "$program" >/dev/null; done
for ((run = 1; run <= runs; run++)); do
  for i in "${!programs[@]}"; do
    echo "${names[$i]} $($timer "${programs[$i]}")" >>"$results"
  done
done

median() { # name column
  awk -v n="$1" -v c="$2" '$1 == n { print $c }' "$results" | sort -n |
    awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
declare -A ms kib
for name in "${names[@]}"; do
  ms[$name]=$(median "$name" 2)
  kib[$name]=$(median "$name" 3)
done

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
echo "Median of $runs runs, $(nproc) cores, $(date -u +%Y-%m-%d)"
printf '%-10s %14s %16s\n' program "to window (ms)" "peak RSS (KiB)"
for name in "${names[@]}"; do printf '%-10s %14s %16s\n' "$name" "${ms[$name]}" "${kib[$name]}"; done
echo
echo "quimbel / bare-qt: time $(ratio "${ms[quimbel]}" "${ms[bare-qt]}") (target <= 1.10)," \
  "memory $(ratio "${kib[quimbel]}" "${kib[bare-qt]}") (target <= 1.10)"
echo "quimbel / xcalc:   time $(ratio "${ms[quimbel]}" "${ms[xcalc]}") (target <= 1.00)"
