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

# Idle cost: the program and the bare engine each open their windows on the
# same local page, settle, and are then watched for IDLE_SECONDS. CPU is the
# utime+stime of the whole process tree (the web engine's processes
# included) as a share of one core; wake-ups are the context switches of the
# main (GUI) thread per second.
IDLE_SECONDS=${IDLE_SECONDS:-20}
SETTLE_SECONDS=${SETTLE_SECONDS:-3}
PAGE=${PAGE:-$BIN/SysFiles/Welcome.htm}
TICKS=$(getconf CLK_TCK)

descendants() {
  local pid=$1 child
  echo "$pid"
  for child in $(cat /proc/"$pid"/task/*/children 2>/dev/null || true); do
    descendants "$child"
  done
}

# "pid ticks" for every process of the tree.
tree_ticks() {
  local pid
  for pid in $(descendants "$1"); do
    # The fields after the command name, which may hold spaces.
    { sed -E 's/^.*\) //' /proc/"$pid"/stat 2>/dev/null || true; } | awk -v p="$pid" '{ print p, $12 + $13 }'
  done
}

switches() {
  awk '/^(voluntary|nonvoluntary)_ctxt_switches/ { n += $2 } END { print n + 0 }' /proc/"$1"/task/"$1"/status \
    2>/dev/null || echo 0
}

# Prints "cpu-percent wakes-per-second" for one program with N windows.
idle_once() {
  local program=$1 windows=$2 out pid before after s0 s1
  out=$(mktemp)
  "$program" "$windows" "$PAGE" $((IDLE_SECONDS + SETTLE_SECONDS + 60)) >"$out" 2>/dev/null &
  pid=$!
  for _ in $(seq 600); do
    grep -q ready "$out" && break
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  if ! grep -q ready "$out"; then
    kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; rm -f "$out"
    echo "failed failed"; return
  fi
  sleep "$SETTLE_SECONDS"
  before=$(tree_ticks "$pid"); s0=$(switches "$pid")
  sleep "$IDLE_SECONDS"
  after=$(tree_ticks "$pid"); s1=$(switches "$pid")
  kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; rm -f "$out"
  # Processes that appeared meanwhile count from 0.
  awk -v secs="$IDLE_SECONDS" -v hz="$TICKS" -v s0="$s0" -v s1="$s1" '
    NR == FNR { start[$1] = $2; next }
    { used += $2 - start[$1] }
    END { printf "%.3f %.1f\n", 100 * used / hz / secs, (s1 - s0) / secs }
  ' <(echo "$before") <(echo "$after")
}

echo
echo "Idle for ${IDLE_SECONDS} s on $(basename "$PAGE"), after ${SETTLE_SECONDS} s to settle:"
for windows in 1 10; do
  read -r oc ow <<<"$(idle_once "$BIN/bench_idle_ombrano" "$windows")"
  read -r bc bw <<<"$(idle_once "$BIN/bench_idle_bare" "$windows")"
  echo "  $windows window(s): ombrano ${oc}% of a core, GUI thread ${ow} wake-ups/s;" \
       "bare ${bc}%, ${bw} wake-ups/s"
  awk -v oc="$oc" -v bc="$bc" -v ow="$ow" -v bw="$bw" 'BEGIN {
    printf "    ratio ombrano / bare: cpu %s, wake-ups %s\n",
      (bc > 0 ? sprintf("%.1f", oc / bc) : "n/a (bare 0)"), (bw > 0 ? sprintf("%.1f", ow / bw) : "n/a (bare 0)") }'
done
