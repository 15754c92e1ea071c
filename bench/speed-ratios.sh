#!/usr/bin/env bash
# Brewick's speed and memory against what it is measured by, one row a goal:
# each batch format against `cat` of its own output to /dev/null, the batch
# into a folder against the same inns to standard output, start-up to a
# mapped window with the first inn, with no kept session and with sessions
# of 100 and 1,000 ordinary inns and at the session's byte bound, against
# two windows that have nothing behind them: the same controls with the
# same inn and menus, the floor for what Brewick adds, and a bare Qt window
# of the same size with a menu bar; then how far the floor is from the bare
# window, and the resident memory of the window over each of them, the
# session's inns restored. Each build is a column; the runs alternate
# between the columns, so that a busy machine slows them alike, and each
# ratio is of medians.
# Usage: speed-ratios.sh BUILD_DIR...   (e.g. build, or build-before build)
# ROUNDS (5), INNS (50000) and FOLDER_INNS (20000) change the runs; the
# folder is made under TMPDIR. Windows go to DISPLAY, else to a private Xvfb
# when there is one, else to Qt's offscreen screen.
set -euo pipefail
if [[ $# -eq 0 ]]; then
  echo "usage: $0 BUILD_DIR..." >&2
  exit 2
fi
builds=("$@")
rounds=${ROUNDS:-5}
inns=${INNS:-50000}
folder_inns=${FOLDER_INNS:-20000}
formats=(text markdown json)

work=$(mktemp -d)
xvfb=
cleanup() {
  [[ -z $xvfb ]] || kill "$xvfb" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
: >"$work/none.txt" # no scene file: the same inns whoever runs it
mkdir -m 700 "$work/runtime"
export XDG_RUNTIME_DIR=$work/runtime
if [[ -z ${DISPLAY:-} ]] && command -v Xvfb >/dev/null; then
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
  xvfb=$!
  for _ in $(seq 300); do [[ -s $work/display ]] && break || sleep 0.1; done
  [[ -s $work/display ]] || { echo "Xvfb did not start within 30 seconds" >&2; exit 1; }
  export DISPLAY=:$(cat "$work/display")
fi
[[ -n ${DISPLAY:-} ]] || export QT_QPA_PLATFORM=offscreen
screen=${QT_QPA_PLATFORM:-the X display $DISPLAY}

declare -A times
# Runs the command and adds its wall time, in microseconds, to the key's list.
timed() {
  local key=$1 start end
  shift
  start=$(date +%s%N)
  "$@" >/dev/null 2>&1
  end=$(date +%s%N)
  times[$key]+="$(((end - start) / 1000)) "
}
median() { tr ' ' '\n' <<<"$1" | grep . | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
ratio() { awk "BEGIN { printf \"%.2f\", $(median "${times[$1]}") / $(median "${times[$2]}") }"; }

batch() {
  local build=$1
  shift
  "$build/bin/brewick-batch" --seed 1234 --scenes "$work/none.txt" "$@"
}

for format in "${formats[@]}"; do
  batch "${builds[0]}" --count "$inns" --format "$format" >"$work/inns.$format"
  for build in "${builds[@]:1}"; do
    batch "$build" --count "$inns" --format "$format" | cmp -s - "$work/inns.$format" ||
      echo "warning: $build writes other $format bytes than ${builds[0]}" >&2
  done
done

# Kept sessions, each in a state folder of its own: 100 and 1,000 ordinary
# inns, and 1,000 inns whose menus take the session to its byte bound.
sessions=(none 100 1000 bound)
batch "${builds[0]}" --count 1000 --format json >"$work/sessions.jsonl"
python3 - "$work" <<'PYTHON'
import json, os, sys
work = sys.argv[1]
inns = open(f"{work}/sessions.jsonl").read().splitlines()
def keep(name, lines):
    os.makedirs(f"{work}/state-{name}/brewick")
    with open(f"{work}/state-{name}/brewick/session.jsonl", "w") as session:
        session.write('{"brewickSession":2}\n')
        for number, line in enumerate(lines):
            session.write('{"entry":"e-%d","made":%d,"changed":%d,"inn":%s}\n' % (number, number, number, line))
keep("100", inns[:100])
keep("1000", inns)
padding = (64 * 1024 * 1024 - 65536) // 1000 - 128 - max(map(len, inns)) - 64
padded = []
for line in inns:
    inn = json.loads(line)
    inn["menu"]["lines"] = ["  Soup"] + ["x" * (padding // 2)]
    padded.append(json.dumps(inn, separators=(",", ":"), ensure_ascii=False))
keep("bound", padded)
os.makedirs(f"{work}/state-none/brewick")
PYTHON
# The session's folder a start-up of the session `$1` keeps.
session_folder() { echo "$work/state-$1/brewick"; }

echo "measuring on $(nproc) cores, $rounds rounds, windows on $screen ..." >&2
for _ in $(seq "$rounds"); do
  for format in "${formats[@]}"; do
    timed "cat:$format" cat "$work/inns.$format"
    for build in "${builds[@]}"; do
      timed "$format:$build" batch "$build" --count "$inns" --format "$format"
    done
  done
  for build in "${builds[@]}"; do
    timed "stdout:$build" batch "$build" --count "$folder_inns" --format json
    rm -rf "$work/inns"
    timed "folder:$build" batch "$build" --count "$folder_inns" --format json --output "$work/inns"
  done
  # Start-ups are short: more of them.
  for _ in $(seq 6); do
    for build in "${builds[@]}"; do
      timed "bare:$build" "$build/bench/bare_window_probe"
      timed "floor:$build" "$build/bench/same_controls_probe"
      for session in "${sessions[@]}"; do
        timed "first-$session:$build" "$build/bench/first_inn_probe" "$(session_folder "$session")"
      done
    done
  done
done

# Resident memory varies little from run to run; with a session, once its
# inns joined the history.
declare -A memory
peak_memory() {
  local key=$1
  shift
  for _ in 1 2 3; do
    /usr/bin/time -f %M -o "$work/rss" "$@" >/dev/null 2>&1
    memory[$key]+="$(tail -n 1 "$work/rss") "
  done
}
for build in "${builds[@]}"; do
  peak_memory "bare:$build" "$build/bench/bare_window_probe"
  peak_memory "floor:$build" "$build/bench/same_controls_probe"
  for session in "${sessions[@]}"; do
    peak_memory "first-$session:$build" "$build/bench/first_inn_probe" "$(session_folder "$session")" --until-restored
  done
done
# The build's memory with the session over the yardstick's: more_memory BUILD SESSION YARDSTICK.
more_memory() {
  awk "BEGIN { printf \"%+.1f MB\", ($(median "${memory[first-$2:$1]}") - $(median "${memory[$3:$1]}")) / 1024 }"
}
session_megabytes() { du -m "$(session_folder "$1")/session.jsonl" | cut -f1; }

# Padded by characters, not bytes: the labels hold ÷ and −.
row() { printf '%s%*s %s%*s' "$1" $((66 - ${#1})) "" "$2" $((10 - ${#2})) ""; }
row "" goal
for build in "${builds[@]}"; do
  path=$(realpath "$build")
  printf ' %22s' "$(basename "$(dirname "$path")")/$(basename "$path")"
done
echo
for format in "${formats[@]}"; do
  row "--format $format, $inns inns ÷ cat of them" "≤ 3"
  for build in "${builds[@]}"; do printf ' %21s×' "$(ratio "$format:$build" "cat:$format")"; done
  echo
done
row "--output DIR ÷ standard output, $folder_inns inns" "≤ 5"
for build in "${builds[@]}"; do printf ' %21s×' "$(ratio "folder:$build" "stdout:$build")"; done
echo
declare -A yardstick_name=([floor]="same-controls floor" [bare]="bare window")
declare -A speed_goal=([floor]="≤ 1.05" [bare]="≤ 1.10")
# What the window may take over the yardstick without a session, in MB.
declare -A memory_allowance=([floor]=2 [bare]=3)
for yardstick in floor bare; do
  for session in "${sessions[@]}"; do
    row "start-up to the first inn ÷ ${yardstick_name[$yardstick]}, session: $session" "${speed_goal[$yardstick]}"
    for build in "${builds[@]}"; do printf ' %21s×' "$(ratio "first-$session:$build" "$yardstick:$build")"; done
    echo
  done
done
row "same-controls floor ÷ bare window" "—"
for build in "${builds[@]}"; do printf ' %21s×' "$(ratio "floor:$build" "bare:$build")"; done
echo
for yardstick in floor bare; do
  for session in "${sessions[@]}"; do
    megabytes=0
    [[ $session == none ]] || megabytes=$(session_megabytes "$session")
    allowance=$(awk "BEGIN { print ${memory_allowance[$yardstick]} + 1.5 * $megabytes }")
    row "resident memory − ${yardstick_name[$yardstick]}, session: $session" "≤ +$allowance MB"
    for build in "${builds[@]}"; do printf ' %22s' "$(more_memory "$build" "$session" "$yardstick")"; done
    echo
  done
done
echo
echo "medians of the wall times in milliseconds:"
for key in $(printf '%s\n' "${!times[@]}" | sort); do
  awk "BEGIN { printf \"  %s %.1f\\n\", \"$key\", $(median "${times[$key]}") / 1000 }"
done
