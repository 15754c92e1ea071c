#!/usr/bin/env bash
# Runs the real program on a private X server as a user would: waits for its
# window, checks its size, opens File > About, asks the window manager's way
# to close it, follows the link in the closing window (a fake xdg-open
# records it) and leaves by "Exit". Screenshots land in SCREENSHOT_DIR.
# Usage: x-server-test.sh BREWICK SEND_CLOSE_REQUEST SCREENSHOT_DIR
set -euo pipefail
brewick=$1 send_close=$2 shots=$3
mkdir -p "$shots"
source "$(dirname "$0")/../support/real-program-session.sh"
start_x_server 1280x1024x24

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
echo "PASS: main window, about window, close request, link and Exit on a real X server"
