#!/usr/bin/env bash
# Runs the real program on a private X server as a user would: waits for its
# window, checks its size and class, copies the inn with Ctrl+Shift+C and
# reads the clipboard back, saves inns (by the menu and by Ctrl+S) while
# stepping through them with Alt+Left and Alt+Right, exports a PDF and reads it back, opens File > About,
# edits the bar scenes in a default text editor that hands the file on and
# saves it later, generates and saves an inn with a saved scene and a
# bed count typed into the room grid, presses Enter in the grid, pastes a name
# with a line end and types a note into the shown table, saving each, draws
# the shown table again and steps back, stars an inn and lists the history,
# opens the word lists and draws from a list saved there, closes
# by "Exit" and then asks the window
# manager's way to close it too, follows the link in the closing window (a
# fake xdg-open records it) and leaves by "Exit"; the about and the closing
# window beside the main window, moved or not. With "openbox", under that
# window manager. Screenshots land in SCREENSHOT_DIR.
# Usage: x-server-test.sh BREWICK SEND_CLOSE_REQUEST SCREENSHOT_DIR BREWICK_BATCH [openbox]
set -euo pipefail
brewick=$1 send_close=$2 shots=$3 batch=$4
mkdir -p "$shots"
source "$(dirname "$0")/../support/real-program-session.sh"
start_x_server 1280x1024x24
if [[ ${5:-} == openbox ]]; then
  # A window mapped while openbox is still starting may never be managed.
  HOME="$work" openbox --sm-disable --startup "touch $work/openbox-ready" >"$work/openbox.log" 2>&1 &
  pids+=($!)
  wait_for test -e "$work/openbox-ready" || fail "openbox did not start: $(cat "$work/openbox.log")"
fi

# A browser that only writes down what it was asked to open.
mkdir -p "$work/bin" "$work/runtime"
chmod 700 "$work/runtime"
cat >"$work/bin/xdg-open" <<SCRIPT
#!/bin/sh
echo "\$@" >>"$work/opened"
SCRIPT
chmod +x "$work/bin/xdg-open"

# A desktop whose default text editor hands the file to a background process
# and returns at once, as single-instance editors do. Once the test makes
# save-scenes, the hand-off saves the file with thousands of copies of one
# scene, by renaming a new file over the old one.
desktop=$work/desktop
scene="A goat is loose on the X server"
scene_file=$desktop/data/brewick/BarScenes.txt
mkdir -p "$desktop/data/applications" "$desktop/config" "$desktop/system-data" "$desktop/system-config"
cat >"$work/bin/hand-off-editor" <<SCRIPT
#!/bin/sh
cp "\$1" "$work/seen"
printf '%s\n' "\$1" >"$work/edited"
( while [ ! -e "$work/save-scenes" ]; do [ -d "$work" ] || exit; sleep 0.1; done
  { cat "\$1"; yes '$scene' | head -n 5000; } >"\$1.new" && mv "\$1.new" "\$1" ) >/dev/null 2>&1 &
SCRIPT
chmod +x "$work/bin/hand-off-editor"
cat >"$desktop/data/applications/hand-off-editor.desktop" <<ENTRY
[Desktop Entry]
Type=Application
Name=Hand-off Editor
Exec=$work/bin/hand-off-editor %f
MimeType=text/plain;
ENTRY
printf '[Default Applications]\ntext/plain=hand-off-editor.desktop\n' >"$desktop/config/mimeapps.list"

PATH="$work/bin:$PATH" XDG_RUNTIME_DIR="$work/runtime" BREWICK_SEED=7 HOME="$work" \
  XDG_STATE_HOME="$work/state" XDG_CACHE_HOME="$work/cache" XDG_DATA_HOME="$desktop/data" XDG_CONFIG_HOME="$desktop/config" \
  XDG_DATA_DIRS="$desktop/system-data" XDG_CONFIG_DIRS="$desktop/system-config" \
  "$brewick" >"$work/brewick.log" 2>&1 &
program=$!
pids+=("$program")
# brewick-batch on the same desktop, whose scene file is the program's.
batch_run() { XDG_DATA_HOME="$desktop/data" "$batch" "$@"; }

# The windows titled exactly $1 whose width is $2.
window_of_width() {
  local id
  for id in $(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null); do
    eval "$(xdotool getwindowgeometry --shell "$id")"
    [[ $WIDTH == "$2" ]] && { echo "$id"; return 0; }
  done
  return 1
}
# Clicks the client area at (x, y), below the menu bar, with the keyboard on
# the window for what is typed next.
click_at() {
  xdotool windowfocus --sync "$main"
  eval "$(xdotool getwindowgeometry --shell "$main")"
  xdotool mousemove --window "$main" "$1" $((HEIGHT - 581 + $2)) click --repeat "${3:-1}" 1
}
# Clicks "Generate" and saves the new inn as $generated, generated-N.txt for
# the Nth. A file edited while the program runs is read a moment after the
# change, with no sign but in the inns drawn: so a check of its effect
# generates again until it shows.
saves=0
generate_and_save() {
  click_at 357 536
  generated=$work/generated-$((++saves)).txt
  save_through s "$generated"
}
# A checksum of what the window $1 shows, and whether it shows something else now.
looks() { import -window "$1" rgb:- 2>/dev/null | md5sum; }
changed_from() { [[ $(looks "$1") != "$2" ]]; }

main=$(wait_for window_of_width Brewick 502) || fail "no main window 502 pixels wide titled Brewick"
eval "$(xdotool getwindowgeometry --shell "$main")"
(( HEIGHT > 581 && HEIGHT < 640 )) || fail "main window is $WIDTH x $HEIGHT: 581 client pixels and a menu bar expected"
screenshot main-window "$main"
has_icon() { [[ $(xprop -id "$1" _NET_WM_ICON | wc -c) -gt 1000 ]] || fail "the $2 has no icon"; }
has_icon "$main" "main window"
# Docks group the window with its launcher by the window class.
desktop_class=$(sed -n 's/^StartupWMClass=//p' "$(dirname "$0")/../../data/org.example.Brewick.desktop")
[[ -n $desktop_class ]] || fail "the desktop entry names no StartupWMClass"
xprop -id "$main" WM_CLASS | grep -q "\"$desktop_class\"\$" || fail "window class $(xprop -id "$main" WM_CLASS), not $desktop_class"
inside() { xwininfo -id "$1" | awk '/Absolute upper-left X/ {x = $4} /Absolute upper-left Y/ {y = $4} END {print x, y}'; }
stands_by_main() {  # the $2, window $1, at ($3, $4) from the main window's inside
  local at=($(inside "$1")) main_at=($(inside "$main"))
  ((at[0] - main_at[0] == $3 && at[1] - main_at[1] == $4)) || fail "the $2 stands at ${at[*]}, the main window at ${main_at[*]}"
}
[[ $(inside "$main") == "57 34" ]] || fail "the main window starts at $(inside "$main")"
# Window managers keep a dialog above the window it belongs to.
is_transient_for_main() {
  [[ $(xprop -id "$1" WM_TRANSIENT_FOR | grep -o '0x[0-9a-f]*') == $(printf '0x%x' "$main") ]] ||
    fail "the $2 is not transient for the main window: $(xprop -id "$1" WM_TRANSIENT_FOR)"
}

# Edit > Copy Inn by its shortcut: the inn as File > Save writes it, with LF
# line ends, served from the clipboard by the running program. brewick-batch
# with the same seed and the scene file beside both gives the same inn.
xdotool windowfocus --sync "$main"
batch_run --seed 7 | tr -d '\r' >"$work/expected.txt"
xdotool key --clearmodifiers ctrl+shift+c
wait_for clipboard_holds "$work/expected.txt" ||
  fail "Ctrl+Shift+C left on the clipboard: $(head -c 300 "$work/clipboard.txt" 2>/dev/null)"
[[ $(timeout "$wait_seconds" xclip -o -selection clipboard -t text/markdown | head -n 1) == "# "* ]] ||
  fail "no Markdown on the clipboard"


# The first inn saved, a second generated, and back to the first with Alt+Left:
# Ctrl+S gives the first inn's bytes again; Alt+Right and Save give the
# second, which is brewick-batch's second inn of the seed.
save_through s "$work/first.txt"
click_at 357 536
save_through s "$work/second.txt"
cmp -s "$work/first.txt" "$work/second.txt" && fail "Generate left the inn as it was"
xdotool windowfocus --sync "$main"
xdotool key --clearmodifiers alt+Left
save_through ctrl+s "$work/back.txt"
cmp "$work/first.txt" "$work/back.txt" || fail "Alt+Left did not bring back the first inn"
xdotool windowfocus --sync "$main"
xdotool key --clearmodifiers alt+Right
save_through s "$work/forward.txt"
batch_run --seed 7 --count 2 --output "$work/batch"
cmp "$work/batch/2.txt" "$work/forward.txt" || fail "Alt+Right did not bring back the second inn"

# File > Export… as PDF: the printed sheet, title first and every line of the
# inn in order.
save_through x "$work/inn.pdf"
pdftotext -q -enc UTF-8 "$work/inn.pdf" "$work/pdf.txt"
python3 - "$work/pdf.txt" "$work/forward.txt" <<'PYTHON' || fail "the PDF is not the printed sheet of the inn"
import sys
squeeze = lambda text: "".join(text.split())
pdf = squeeze(open(sys.argv[1], encoding="utf-8").read())
lines = open(sys.argv[2], encoding="utf-8", newline="").read().split("\r\n")[1:]
assert pdf.startswith("Brewick"), pdf[:100]
at = len("Brewick")
for line in lines:
    found = pdf.find(squeeze(line), at)
    assert found >= 0, f"{line!r} not found in order"
    at = found + len(squeeze(line))
PYTHON
screenshot after-export

xdotool windowfocus --sync "$main"
xdotool key --clearmodifiers alt+f a
about=$(wait_for window_of_width InnSplash 400) || fail "File > About showed no about window"
eval "$(xdotool getwindowgeometry --shell "$about")"
[[ $HEIGHT == 239 ]] || fail "about window is $WIDTH x $HEIGHT, 400 x 239 expected"
screenshot about-window "$about"
has_icon "$about" "about window"
is_transient_for_main "$about" "about window"
stands_by_main "$about" "about window" 9 64
xdotool mousemove --window "$about" 197 208 click 1
wait_for bash -c "! xdotool search --onlyvisible --name '^InnSplash\$' >/dev/null" || fail "OK left the about window open"

xdotool windowfocus --sync "$main"
xdotool key --clearmodifiers alt+e b
wait_for test -s "$work/edited" || fail "Edit > Bar Scenes started no editor"
[[ $(cat "$work/edited") == "$scene_file" ]] || fail "the editor opened $(cat "$work/edited"), not $scene_file"
grep -q '^/\*' "$work/seen" || fail "the editor got no commented scene file"
touch "$work/save-scenes"
wait_for grep -qF "$scene" "$scene_file" || fail "the editor saved no scenes"
bar_scene() { grep -a -A1 '^Bar Scene' "$1" | tail -n 1 | tr -d '\r'; }
# The first inn drawn after the program read the file almost surely has the
# saved scene, which makes up 5000 of its lines.
draws_saved_scene() {
  kill -0 "$program" || fail "the program ended while the editor saved"
  generate_and_save
  [[ $(bar_scene "$generated") == "$scene" ]]
}
wait_for draws_saved_scene || fail "Generate drew \"$(bar_scene "$generated")\", never the scene the editor saved"
screenshot scene-generated
# A number typed into the single rooms' bed count, whose editor is still open
# when File > Save is chosen from the menu.
click_at 199 205
before=$(looks "$main")
xdotool key --clearmodifiers ctrl+a
xdotool type --delay 20 77
wait_for changed_from "$main" "$before" || fail "the bed count typed did not show"
screenshot cell-typed
save_through s "$work/inn.txt"
drawn_scene=$(bar_scene "$work/inn.txt")
[[ $drawn_scene == "$scene" ]] || fail "Generate drew \"$drawn_scene\", not the scene the editor saved"
grep -q '^It has 77 beds in single rooms at ' "$work/inn.txt" || fail "the typed bed count is not in the saved file"

# Enter in the room grid ends what is typed there and never makes a new inn,
# not even on a heading cell ("Single Rooms").
click_at 198 180 2
xdotool type --delay 20 x
xdotool key --clearmodifiers Return KP_Enter
save_through s "$work/after-enter.txt"
cmp -s "$work/inn.txt" "$work/after-enter.txt" || fail "Enter in the room grid changed the inn"
# A name pasted with its line end stays one line of the saved file.
printf 'The Pasted Goat\n' >"$work/pasted.txt"
xclip -selection clipboard -i "$work/pasted.txt"
wait_for clipboard_holds "$work/pasted.txt" || fail "xclip put no name on the clipboard"
click_at 128 28
xdotool key --clearmodifiers ctrl+a ctrl+v
# A note typed at the end of the shown table is saved with it.
click_at 250 420
xdotool key --clearmodifiers ctrl+End Return
xdotool type --delay 5 "They owe the landlord"
save_through s "$work/typed.txt"
grep -q '^The Pasted Goat  is run by ' "$work/typed.txt" || fail "the pasted name is not one line of the saved file"
! grep -q $'[^\r]$' "$work/typed.txt" || fail "the saved file has a line without CR LF"
grep -q '^They owe the landlord'$'\r''$' "$work/typed.txt" || fail "the note typed into the shown table is not in the saved file"
screenshot typed

# Ctrl+R in the shown table draws it again, a step that Alt+Left takes back;
# Ctrl+D stars the new inn into the user's data folder, and Ctrl+H lists it.
click_at 250 420
xdotool key --clearmodifiers ctrl+r
save_through s "$work/rerolled.txt"
cmp -s "$work/typed.txt" "$work/rerolled.txt" && fail "Ctrl+R in the shown table drew nothing"
xdotool windowfocus --sync "$main"
xdotool key --clearmodifiers ctrl+d alt+Left
save_through s "$work/before-reroll.txt"
cmp "$work/typed.txt" "$work/before-reroll.txt" ||
  fail "Alt+Left did not bring back the inn before Ctrl+R: $(diff "$work/typed.txt" "$work/before-reroll.txt" | head -n 5)"
starred=$desktop/data/brewick/kept-inns.jsonl
wait_for test -s "$starred" || fail "Ctrl+D kept no starred inn in $starred"
[[ $(head -n 1 "$starred") == '{"brewickKeptInns":1}' && $(wc -l <"$starred") == 2 ]] || fail "$starred: $(head -c 200 "$starred")"
xdotool windowfocus --sync "$main"
xdotool key --clearmodifiers ctrl+h
history=$(wait_for xdotool search --onlyvisible --name '^History$' | head -n 1) || fail "Ctrl+H showed no history list"
is_transient_for_main "$history" "history list"
screenshot history-list "$history"
xdotool windowfocus --sync "$history"
xdotool key --clearmodifiers Escape
wait_for bash -c "! xdotool search --onlyvisible --name '^History\$' >/dev/null" || fail "Escape left the history list open"

# Edit > Word Lists… makes the word folder, with its README and the built-in
# lists, and opens it in the file manager; a list saved there while the
# program runs is drawn by "Generate" once the program has read it, and by
# brewick-batch.
words=$desktop/data/brewick/words
xdotool windowfocus --sync "$main"
xdotool key --clearmodifiers alt+e w
wait_for test -s "$work/opened" || fail "Edit > Word Lists opened nothing"
[[ $(cat "$work/opened") == "file://$words" ]] || fail "Edit > Word Lists opened $(cat "$work/opened"), not $words"
rm "$work/opened"
grep -q '^races\.txt$' "$words/README.txt" || fail "the word folder's README names no races.txt"
[[ $(grep -vc '^/\*' "$words/built-in/races.txt") == 8 ]] || fail "built-in/races.txt holds no 8 races"
printf 'gnomish\n' >"$words/races.txt"
# Every patron of the saved inn $1 is gnomish.
all_gnomish() { grep -aq ' gnomish ' "$1" && ! grep -a ' wearing ' "$1" | grep -vq ' gnomish '; }
draws_gnomish() { generate_and_save && all_gnomish "$generated"; }
wait_for draws_gnomish || fail "Generate drew other races than the saved list's"
batch_run --seed 7 >"$work/batch-gnomish.txt"
all_gnomish "$work/batch-gnomish.txt" || fail "brewick-batch drew other races than the saved list's"

# "Exit" from a moved main window, then the window manager's close request
# to the main window: one answer, the closing window, which the program waits for.
# The program learns of the move, which --sync waits for, before the click.
xdotool windowmove --sync "$main" 700 380
click_at 453 536
closing=$(wait_for window_of_width Brewick 305) || fail "Exit showed no closing window"
# The click number $1 on the link in the closing window, which the fake
# xdg-open writes down.
follow_link() {
  xdotool mousemove --window "$closing" 154 88 click 1
  wait_for bash -c "[[ \$(grep -c . '$work/opened' 2>/dev/null) == $1 ]]" || fail "click $1 on the link opened nothing"
}
"$send_close" "$main"
# The program takes the close request before the click that follows it: once
# the link is followed, the request has had its answer.
follow_link 1
kill -0 "$program" || fail "a close request while the closing window was up ended the program"
xdotool search --onlyvisible --name '^Brewick$' | grep -qx "$closing" || fail "the closing window went away"
screenshot closing-window "$closing"
has_icon "$closing" "closing window"
is_transient_for_main "$closing" "closing window"
stands_by_main "$closing" "closing window" 78 111

follow_link 2
[[ $(sort -u "$work/opened") == "https://www.example.org/brewick" ]] || fail "the link opened: $(cat "$work/opened")"
kill -0 "$program" || fail "following the link ended the program"

xdotool mousemove --window "$closing" 153 136 click 1
wait_for bash -c "! kill -0 $program 2>/dev/null" || fail "Exit in the closing window did not end the program"
wait "$program" || fail "the program ended with status $?"
echo "PASS: main window, Copy Inn, previous and next inn, PDF export, about window, bar scenes saved by a hand-off editor, a typed cell, Enter in the grid, a pasted name and a table note saved, a table drawn again, an inn starred and the history listed, a word list drawn, close requests, link and Exit on a real X server"
