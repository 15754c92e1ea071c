#!/usr/bin/env bash
# Runs the real program on a private X server as a user would: waits for its
# window, checks its size, copies the inn with Ctrl+Shift+C and reads the
# clipboard back, saves inns while stepping through them with Alt+Left and
# Alt+Right, exports a PDF and reads it back, opens File > About, asks the window manager's way to close
# it, follows the link in the closing window (a fake xdg-open records it) and
# leaves by "Exit". Screenshots land in SCREENSHOT_DIR.
# Usage: x-server-test.sh BREWICK SEND_CLOSE_REQUEST SCREENSHOT_DIR BREWICK_BATCH
set -euo pipefail
brewick=$1 send_close=$2 shots=$3 batch=$4
mkdir -p "$shots"
work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# Waits up to ten seconds for a command to succeed.
wait_for() {
  for _ in $(seq 100); do "$@" && return 0; sleep 0.1; done
  return 1
}

# A free display number, and an X server on it.
display=
for n in $(seq 90 199); do
  [[ -e /tmp/.X11-unix/X$n || -e /tmp/.X$n-lock ]] || { display=:$n; break; }
done
[[ -n $display ]] || fail "no free display number"
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
pids+=($!)
export DISPLAY=$display
wait_for xdpyinfo >/dev/null 2>&1 || fail "the X server did not start"

# A browser that only writes down what it was asked to open.
mkdir -p "$work/bin" "$work/runtime"
chmod 700 "$work/runtime"
cat >"$work/bin/xdg-open" <<SCRIPT
#!/bin/sh
echo "\$@" >>"$work/opened"
SCRIPT
chmod +x "$work/bin/xdg-open"

PATH="$work/bin:$PATH" XDG_RUNTIME_DIR="$work/runtime" BREWICK_SEED=7 "$brewick" >"$work/brewick.log" 2>&1 &
program=$!
pids+=("$program")

# The windows titled exactly $1 whose width is $2.
window_of_width() {
  local id
  for id in $(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null); do
    eval "$(xdotool getwindowgeometry --shell "$id")"
    [[ $WIDTH == "$2" ]] && { echo "$id"; return 0; }
  done
  return 1
}
shot() { import -window root "$shots/$1.png"; }

main=$(wait_for window_of_width Brewick 502) || fail "no main window 502 pixels wide titled Brewick"
eval "$(xdotool getwindowgeometry --shell "$main")"
(( HEIGHT > 581 && HEIGHT < 640 )) || fail "main window is $WIDTH x $HEIGHT: 581 client pixels and a menu bar expected"
sleep 0.5
shot main-window
has_icon() { [[ $(xprop -id "$1" _NET_WM_ICON | wc -c) -gt 1000 ]] || fail "the $2 has no icon"; }
has_icon "$main" "main window"

# Edit > Copy Inn by its shortcut: the inn as File > Save writes it, with LF
# line ends, served from the clipboard by the running program. brewick-batch
# with the same seed and the scene file beside both gives the same inn.
xdotool windowfocus --sync "$main"
"$batch" --seed 7 | tr -d '\r' >"$work/expected.txt"
xdotool key --clearmodifiers ctrl+shift+c
copied() { timeout 5 xclip -o -selection clipboard >"$work/clipboard.txt" 2>/dev/null && cmp -s "$work/clipboard.txt" "$work/expected.txt"; }
wait_for copied || fail "Ctrl+Shift+C left on the clipboard: $(head -c 300 "$work/clipboard.txt" 2>/dev/null)"
[[ $(timeout 5 xclip -o -selection clipboard -t text/markdown | head -n 1) == "# "* ]] || fail "no Markdown on the clipboard"

# Chooses the File menu's item by its key and answers the save dialog with $2.
save_through() {
  local dialog
  xdotool windowfocus --sync "$main"
  xdotool key --clearmodifiers alt+f "$1"
  dialog=$(wait_for xdotool search --onlyvisible --name '^Save As$' | head -n 1) || fail "File > $1 showed no save dialog"
  xdotool windowfocus --sync "$dialog"
  xdotool key --clearmodifiers ctrl+a
  xdotool type --delay 5 "$2"
  xdotool key --clearmodifiers Return
  wait_for test -s "$2" || fail "File > $1 wrote nothing to $2"
  wait_for bash -c "! xdotool search --onlyvisible --name '^Save As\$' >/dev/null" || fail "the save dialog stayed open"
}

# The first inn saved, a second generated, and back to the first with Alt+Left:
# Save gives the first inn's bytes again; Alt+Right and Save give the second,
# which is brewick-batch's second inn of the seed.
save_through s "$work/first.txt"
eval "$(xdotool getwindowgeometry --shell "$main")"
xdotool mousemove --window "$main" 357 $((HEIGHT - 581 + 536)) click 1
save_through s "$work/second.txt"
cmp -s "$work/first.txt" "$work/second.txt" && fail "Generate left the inn as it was"
xdotool windowfocus --sync "$main"
xdotool key --clearmodifiers alt+Left
save_through s "$work/back.txt"
cmp "$work/first.txt" "$work/back.txt" || fail "Alt+Left did not bring back the first inn"
xdotool windowfocus --sync "$main"
xdotool key --clearmodifiers alt+Right
save_through s "$work/forward.txt"
"$batch" --seed 7 --count 2 --output "$work/batch"
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
shot after-export

xdotool windowfocus --sync "$main"
xdotool key --clearmodifiers alt+f a
about=$(wait_for window_of_width InnSplash 400) || fail "File > About showed no about window"
eval "$(xdotool getwindowgeometry --shell "$about")"
[[ $HEIGHT == 239 ]] || fail "about window is $WIDTH x $HEIGHT, 400 x 239 expected"
sleep 0.3
shot about-window
has_icon "$about" "about window"
xdotool mousemove --window "$about" 197 208 click 1
wait_for bash -c "! xdotool search --onlyvisible --name '^InnSplash\$' >/dev/null" || fail "OK left the about window open"

"$send_close" "$main"
closing=$(wait_for window_of_width Brewick 305) || fail "a close request showed no closing window"
sleep 0.3
shot closing-window
has_icon "$closing" "closing window"
kill -0 "$program" || fail "the program ended before the closing window was dismissed"

for click in 1 2; do
  xdotool mousemove --window "$closing" 154 88 click 1
  wait_for bash -c "[[ \$(grep -c . '$work/opened' 2>/dev/null) == $click ]]" || fail "click $click on the link opened nothing"
done
[[ $(sort -u "$work/opened") == "https://www.example.org/brewick" ]] || fail "the link opened: $(cat "$work/opened")"
kill -0 "$program" || fail "following the link ended the program"

xdotool mousemove --window "$closing" 153 136 click 1
wait_for bash -c "! kill -0 $program 2>/dev/null" || fail "Exit in the closing window did not end the program"
wait "$program" || fail "the program ended with status $?"
echo "PASS: main window, Copy Inn, previous and next inn, PDF export, about window, close request, link and Exit on a real X server"
