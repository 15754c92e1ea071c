#!/usr/bin/env bash
# Whole-process start-up: the median time from starting a program to its
# first painted window, for Brewick's first inn and for a bare Qt window.
# Usage: startup-time.sh BUILD_DIR [RUNS]   (offscreen unless DISPLAY is set)
set -euo pipefail
bin=$1/bench
runs=${2:-30}
[[ -n ${DISPLAY:-} ]] || export QT_QPA_PLATFORM=offscreen

median_ms() {
  local program=$1 start end times=()
  "$program"  # warm the caches
  for _ in $(seq "$runs"); do
    start=$(date +%s%N)
    "$program"
    end=$(date +%s%N)
    times+=($(((end - start) / 1000)))
  done
  printf '%s\n' "${times[@]}" | sort -n | awk '{ t[NR] = $1 } END { printf "%.1f", t[int((NR + 1) / 2)] / 1000 }'
}

bare=$(median_ms "$bin/bare_window_probe")
brewick=$(median_ms "$bin/first_inn_probe")
echo "bare Qt window: $bare ms, Brewick to its first inn: $brewick ms, ratio $(awk "BEGIN { printf \"%.2f\", $brewick / $bare }")"
