#!/usr/bin/env bash
# Inn files and the kept session with the real program on a private X server,
# as a user meets them: an exported inn named on the command line saves as
# brewick-batch writes it; a JSON Lines file shows its first inn and Alt+Right
# the next, and all of a file of 150 inns joins the history; after Exit and a
# new start, Alt+Left shows the last inn of the run before; a name typed is
# kept when the program is killed once its session has it, or ended by SIGTERM; two
# windows at once both keep their inns; a file that is no inn gives an error
# box and a usable window.
# Usage: inn-files-test.sh BREWICK BREWICK_BATCH SCREENSHOT_DIR
set -euo pipefail
brewick=$1 batch=$2 shots=$3
mkdir -p "$shots"
source "$(dirname "$0")/../support/real-program-session.sh"
start_x_server 1280x1024x24
mkdir -p "$work/runtime"
chmod 700 "$work/runtime"

: >"$work/none.txt"
"$batch" --seed 31 --count 3 --format json --scenes "$work/none.txt" >"$work/inns.jsonl"
"$batch" --seed 31 --count 3 --format text --scenes "$work/none.txt" --output "$work/texts"
sed -n 2p "$work/inns.jsonl" >"$work/second.inn.json"

program= seed=5
# Starts the program of the seed $seed on the files named.
start() {
  XDG_RUNTIME_DIR="$work/runtime" BREWICK_SEED=$seed "$brewick" "$@" >>"$work/brewick.log" 2>&1 &
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
# The session files of the windows hold the inn name $1.
session_holds() { cat "$XDG_STATE_HOME"/brewick/windows/*.jsonl 2>/dev/null | grep -qF "\"name\":\"$1\""; }
# The inns of the JSON Lines file $1, named on the command line, are read
# beside the window: they are open once its session keeps the last of them,
# which it does after showing them.
wait_for_opened() {
  local name
  name=$(tail -n 1 "$1" | grep -o '"name":"[^"]*"' | head -n 1 | cut -d'"' -f4)
  wait_for session_holds "$name" || fail "the inns of $1 did not open"
}
press() {
  xdotool windowfocus --sync "$main"
  xdotool key --clearmodifiers "$@"
}
# Types $2 in place of what the field at $1 pixels from the left shows: the
# inn's name at 128, the landlord's at 370.
type_into() {
  xdotool windowfocus --sync "$main"
  eval "$(xdotool getwindowgeometry --shell "$main")"
  xdotool mousemove --window "$main" "$1" $((HEIGHT - 581 + 28)) click 1
  xdotool key --clearmodifiers ctrl+a
  xdotool type --delay 5 "$2"
}
type_name() { type_into 128 "$1"; }
# The inn before the first of a new start holds $1, as saved in $2.
restored_holds() {
  start
  main_window
  press alt+Left
  save_through ctrl+s "$work/$2"
  grep -q "^$1 is run by" "$work/$2" || fail "the session lost the name typed: $(head -n 3 "$work/$2")"
  leave
}
# Leaves by "Exit" and the closing window's "Exit".
leave() {
  xdotool windowraise "$main"
  eval "$(xdotool getwindowgeometry --shell "$main")"
  xdotool mousemove --window "$main" 453 $((HEIGHT - 581 + 536)) click 1
  closing=$(wait_for window_of_width 305) || fail "Exit showed no closing window"
  xdotool mousemove --window "$closing" 153 136 click 1
  wait_for bash -c "! kill -0 $program 2>/dev/null" || fail "the program did not end"
  wait "$program" || fail "the program ended with status $?"
}

start "$work/second.inn.json"
main_window
wait_for_opened "$work/second.inn.json"
save_through ctrl+s "$work/opened.txt"
cmp "$work/opened.txt" "$work/texts/2.txt" || fail "the opened inn saves otherwise than brewick-batch writes it"
leave

start "$work/inns.jsonl"
main_window
wait_for_opened "$work/inns.jsonl"
save_through ctrl+s "$work/first.txt"
cmp "$work/first.txt" "$work/texts/1.txt" || fail "a JSON Lines file does not show its first inn"
press alt+Right
save_through ctrl+s "$work/next.txt"
cmp "$work/next.txt" "$work/texts/2.txt" || fail "Alt+Right does not show the file's second inn"
press alt+Right
leave
compgen -G "$XDG_STATE_HOME/brewick/windows/*.jsonl" >/dev/null || fail "the window kept no session"

start
main_window
press alt+Left
save_through ctrl+s "$work/restored.txt"
cmp "$work/restored.txt" "$work/texts/3.txt" || fail "Alt+Left after a new start does not show the last inn of the run before"
leave

# What is typed reaches the window's session file with no command.
start
main_window
type_name "The Kept Name"
wait_for session_holds "The Kept Name" || fail "the name typed did not reach the window's session file"
kill -KILL "$program"
wait "$program" 2>/dev/null || true
restored_holds "The Kept Name" killed.txt

# The desktop ends the program as Quit does, typing kept, nothing asked.
start
main_window
type_name "The Ended Name"
# Copied, the name is on the clipboard once the program has taken the keys.
xdotool key --clearmodifiers ctrl+a ctrl+c
printf 'The Ended Name' >"$work/ended-name.txt"
wait_for clipboard_holds "$work/ended-name.txt" || fail "the program did not take the name typed"
kill -TERM "$program"
wait "$program" || fail "SIGTERM ended the program with status $?"
restored_holds "The Ended Name" ended.txt

# Two windows at once: after both leave, the next start has the inns of both.
seed=11 start
main_window
first=$main first_program=$program
seed=12 start
# xdotool finds both windows by either program: the second is the new one.
second_window() {
  local id
  for id in $(xdotool search --onlyvisible --name '^Brewick$' 2>/dev/null); do
    eval "$(xdotool getwindowgeometry --shell "$id")"
    [[ $WIDTH == 502 && $id != "$first" ]] && { echo "$id"; return 0; }
  done
  return 1
}
main=$(wait_for second_window) || fail "no second window"
# The two windows stand in one place: the one clicked comes up first. Each
# takes its clicks before the click on its "Exit" below.
for window in "$first" "$main" "$first" "$main"; do
  xdotool windowraise "$window"
  eval "$(xdotool getwindowgeometry --shell "$window")"
  xdotool mousemove --window "$window" 357 $((HEIGHT - 581 + 536)) click 1
done
leave
main=$first program=$first_program
leave
for seed in 11 12; do "$batch" --seed $seed --count 3 --format text --scenes "$work/none.txt" --output "$work/$seed"; done
start
main_window
for step in 1 2 3 4 5 6; do
  press alt+Left
  save_through ctrl+s "$work/both-$step.txt"
done
leave
checksums() { for file in "$@"; do md5sum <"$file"; done | sort; }
[[ $(checksums "$work"/both-*.txt) == $(checksums "$work"/1[12]/*.txt) ]] ||
  fail "the next start lacks inns of one of two windows"

# Two windows change one inn of the run before, its name in one and its
# landlord in the other: the next start keeps both changes, and says so.
seed=13 start
main_window
first=$main first_program=$program
press alt+Left
type_name "The First Window's Name"
seed=14 start
main=$(wait_for second_window) || fail "no second window"
press alt+Left
type_into 370 "Landlord Of The Second"
leave
main=$first program=$first_program
leave
start
wait_for bash -c "xdotool search --onlyvisible --pid $program --name '^Brewick\$' | wc -l | grep -qx 2" ||
  fail "the next start said nothing of the inn two windows changed"
main_window
box=$(xdotool search --onlyvisible --pid "$program" --name '^Brewick$' | grep -vx "$main")
screenshot two-windows-one-inn "$main" "$box"
xdotool windowfocus --sync "$box"
xdotool key --clearmodifiers Return
# Before the first inns of the two windows.
press alt+Left alt+Left alt+Left
save_through ctrl+s "$work/joined.txt"
grep -qF "The First Window's Name is run by Landlord Of The Second." "$work/joined.txt" ||
  fail "the next start lost a change of one of two windows: $(sed -n 3p "$work/joined.txt")"
leave

# Every inn of a file of 150 joins the history, after the inn shown.
"$batch" --seed 150 --count 150 --format json --scenes "$work/none.txt" >"$work/150.jsonl"
"$batch" --seed 150 --count 150 --format text --scenes "$work/none.txt" --output "$work/150"
start "$work/150.jsonl"
main_window
wait_for_opened "$work/150.jsonl"
xdotool windowfocus --sync "$main"
xdotool key --clearmodifiers --delay 2 $(printf 'alt+Right %.0s' {1..150})
save_through ctrl+s "$work/last-of-150.txt"
cmp "$work/last-of-150.txt" "$work/150/150.txt" || fail "Alt+Right does not reach the 150th inn of the file"
leave

start /etc/hostname
wait_for bash -c "xdotool search --onlyvisible --pid $program --name '^Brewick\$' | wc -l | grep -qx 2" ||
  fail "no error box beside the main window for a file that is no inn"
main_window
box=$(xdotool search --onlyvisible --pid "$program" --name '^Brewick$' | grep -vx "$main")
screenshot no-inn-file "$main" "$box"
xdotool windowfocus --sync "$box"
xdotool key --clearmodifiers Return
wait_for bash -c "xdotool search --onlyvisible --pid $program --name '^Brewick\$' | wc -l | grep -qx 1" ||
  fail "the error box stayed"
save_through ctrl+s "$work/usable.txt"
grep -q '^Brewick - ' "$work/usable.txt" || fail "the window did not save its inn after the error box"
leave
echo "PASS: an opened inn saves as brewick-batch writes it, JSON Lines step with Alt+Right through all 150 inns, the session comes back after a restart, after a kill, after SIGTERM and from two windows, two windows' changes of one inn both kept, and a file that is no inn gives an error box and a usable window"
