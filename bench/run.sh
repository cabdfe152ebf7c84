#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Ombrano developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs every measurement against its baseline in the same run and prints
# ratios. Usage: bench/run.sh [build folder]
set -euo pipefail
BIN="$(cd "${1:-build}" && pwd)/bin"
RUNS=${RUNS:-5}
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}

millis() { echo $(( $(date +%s%N) / 1000000 )); }

time_once() {
  local start end
  start=$(millis)
  "$@" >/dev/null 2>&1
  end=$(millis)
  echo $((end - start))
}

median() { sort -n | awk '{ a[NR] = $1 } END { print (NR % 2) ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2 }'; }

echo "Cold start to the welcome page loaded, $RUNS runs each, alternating:"
ombrano=(); bare=()
for _ in $(seq "$RUNS"); do
  ombrano+=("$(time_once "$BIN/bench_start_ombrano")")
  bare+=("$(time_once "$BIN/bench_start_bare")")
done
mo=$(printf '%s\n' "${ombrano[@]}" | median)
mb=$(printf '%s\n' "${bare[@]}" | median)
echo "  ombrano ms: ${ombrano[*]}  median $mo"
echo "  bare    ms: ${bare[*]}  median $mb"
awk -v a="$mo" -v b="$mb" 'BEGIN { printf "  ratio ombrano / bare: %.2f\n", a / b }'
