#!/usr/bin/env bash
# Inn files and the kept session with the real program on a private X server,
# as a user meets them: an exported inn named on the command line saves as
# brewick-batch writes it; a JSON Lines file shows its first inn and Alt+Right
# the next; after Exit and a new start, Alt+Left shows the last inn of the
# run before; a file that is no inn gives an error box and a usable window.
# Usage: inn-files-test.sh BREWICK BREWICK_BATCH SCREENSHOT_DIR
set -euo pipefail
brewick=$1 batch=$2 shots=$3
mkdir -p "$shots"
source "$(dirname "$0")/../support/real-program-session.sh"
start_x_server 1280x1024x24
mkdir -p "$work/runtime" "$work/data" "$work/config" "$work/state"
chmod 700 "$work/runtime"

: >"$work/none.txt"
"$batch" --seed 31 --count 3 --format json --scenes "$work/none.txt" >"$work/inns.jsonl"
"$batch" --seed 31 --count 3 --format text --scenes "$work/none.txt" --output "$work/texts"
sed -n 2p "$work/inns.jsonl" >"$work/second.inn.json"

program=
# Starts the program on the files named, with the user's folders of this test.
start() {
  XDG_RUNTIME_DIR="$work/runtime" XDG_DATA_HOME="$work/data" XDG_CONFIG_HOME="$work/config" \
    XDG_STATE_HOME="$work/state" BREWICK_SEED=5 "$brewick" "$@" >>"$work/brewick.log" 2>&1 &
  program=$!
  pids+=("$program")
}
# The program's windows titled Brewick whose width is $1.
window_of_width() {
  local id
  for id in $(xdotool search --onlyvisible --pid "$program" --name '^Brewick$' 2>/dev/null); do
    eval "$(xdotool getwindowgeometry --shell "$id")"
    [[ $WIDTH == "$1" ]] && { echo "$id"; return 0; }
  done
  return 1
}
main_window() { main=$(wait_for window_of_width 502) || fail "no main window: $(tail -n 3 "$work/brewick.log")"; }
press() {
  xdotool windowfocus --sync "$main"
  xdotool key --clearmodifiers "$@"
}
# Leaves by "Exit" and the closing window's "Exit".
leave() {
  eval "$(xdotool getwindowgeometry --shell "$main")"
  xdotool mousemove --window "$main" 453 $((HEIGHT - 581 + 536)) click 1
  closing=$(wait_for window_of_width 305) || fail "Exit showed no closing window"
  xdotool mousemove --window "$closing" 153 136 click 1
  wait_for bash -c "! kill -0 $program 2>/dev/null" || fail "the program did not end"
  wait "$program" || fail "the program ended with status $?"
}

start "$work/second.inn.json"
main_window
save_through ctrl+s "$work/opened.txt"
cmp "$work/opened.txt" "$work/texts/2.txt" || fail "the opened inn saves otherwise than brewick-batch writes it"
leave

start "$work/inns.jsonl"
main_window
save_through ctrl+s "$work/first.txt"
cmp "$work/first.txt" "$work/texts/1.txt" || fail "a JSON Lines file does not show its first inn"
press alt+Right
save_through ctrl+s "$work/next.txt"
cmp "$work/next.txt" "$work/texts/2.txt" || fail "Alt+Right does not show the file's second inn"
press alt+Right
leave
[[ -s $work/state/brewick/session.jsonl ]] || fail "no session was kept in $work/state/brewick"

start
main_window
press alt+Left
save_through ctrl+s "$work/restored.txt"
cmp "$work/restored.txt" "$work/texts/3.txt" || fail "Alt+Left after a new start does not show the last inn of the run before"
leave

start /etc/hostname
wait_for bash -c "xdotool search --onlyvisible --pid $program --name '^Brewick\$' | wc -l | grep -qx 2" ||
  fail "no error box beside the main window for a file that is no inn"
main_window
import -window root "$shots/no-inn-file.png"
xdotool key --clearmodifiers Return
wait_for bash -c "xdotool search --onlyvisible --pid $program --name '^Brewick\$' | wc -l | grep -qx 1" ||
  fail "the error box stayed"
save_through ctrl+s "$work/usable.txt"
grep -q '^Brewick - ' "$work/usable.txt" || fail "the window did not save its inn after the error box"
leave
echo "PASS: an opened inn saves as brewick-batch writes it, JSON Lines step with Alt+Right, the session comes back after a restart, and a file that is no inn gives an error box and a usable window"
