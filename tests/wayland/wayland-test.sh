#!/usr/bin/env bash
# Runs the real program as a native Wayland client of weston, as a user on a
# Wayland desktop would: it must name itself by the desktop entry's name, open
# and close File > About, answer a close request (the close button of its
# title bar) with the closing window, and end cleanly through "Exit".
#
# weston runs on its X11 backend inside a private Xvfb so that xdotool can
# type into it. The program has no X display; what it does is read from its
# own Wayland protocol log, and nothing assumes where weston puts a window:
# the title bar's buttons are found on a screenshot. No sequence of title-bar
# clicks on the fixed window (maximise, restore, maximise again, a double
# click on the title) may end the program or lose what was typed: a name
# typed before them is saved after them. Screenshots land in SCREENSHOT_DIR.
# Usage: wayland-test.sh BREWICK DESKTOP_FILE SCREENSHOT_DIR
set -euo pipefail
if [[ $# -ne 3 ]]; then
  echo "usage: $0 BREWICK DESKTOP_FILE SCREENSHOT_DIR" >&2
  exit 2
fi
brewick=$1 desktop_file=$2 shots=$3
app_id=$(basename "$desktop_file" .desktop)
mkdir -p "$shots"
source "$(dirname "$0")/../support/real-program-session.sh"

# The compositor's screen, the window's background and nothing else: no
# on-screen keyboard either, which weston shows while a text field has the
# keyboard.
output_width=1024 output_height=768 background=204060
start_x_server 1280x1024x24
mkdir -m 700 "$work/runtime"
cat >"$work/weston.ini" <<INI
[core]
idle-time=0
[shell]
panel-position=none
background-color=0xff$background
animation=none
close-animation=none
startup-animation=none
focus-animation=none
[input-method]
path=
INI
XDG_RUNTIME_DIR="$work/runtime" weston --backend=x11-backend.so --use-pixman \
  --width=$output_width --height=$output_height --socket=wayland-brewick \
  --config="$work/weston.ini" >"$work/weston.log" 2>&1 &
pids+=($!)
compositor_window() { xdotool search --class '^Weston Compositor$' 2>/dev/null | head -n 1 | grep .; }
weston_window=$(wait_for compositor_window) || fail "weston did not start: $(tail -n 20 "$work/weston.log")"
wait_for test -S "$work/runtime/wayland-brewick" || fail "weston opened no Wayland socket"

# weston's X11 backend follows the X pointer by its moves, and takes its place
# only when it enters weston's window: so every move starts from outside.
point_at() {
  xdotool mousemove $((output_width + 100)) $((output_height + 100))
  xdotool mousemove --window "$weston_window" "$1" "$2"
}
# The pointer rests in a corner no window reaches, so it looks the same on
# every screenshot.
point_at $((output_width - 1)) $((output_height - 1))
xdotool windowfocus --sync "$weston_window"
screen() { import -window "$weston_window" "$1"; }
# The corner where the pointer rests, to be left out of what a screenshot
# shows: weston draws the pointer there once it has its image, maybe only
# after the first screenshot.
pointer_corner="rectangle $((output_width - 32)),$((output_height - 32)) $output_width,$output_height"
# The empty screen: the background all over but for the pointer in its corner.
screen_empty() {
  screen "$work/empty.png"
  [[ $(convert "$work/empty.png" -fill "#$background" -draw "$pointer_corner" -format %k info:) == 1 ]]
}
wait_for screen_empty || fail "weston's screen shows more than its background"

mkdir -p "$work/data"
protocol=$work/brewick.log
: >"$protocol"
env -u DISPLAY XDG_RUNTIME_DIR="$work/runtime" WAYLAND_DISPLAY=wayland-brewick \
  QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=client XDG_DATA_HOME="$work/data" BREWICK_SEED=7 \
  "$brewick" >"$protocol" 2>&1 &
program=$!
pids+=("$program")

# The program's windows that are open now, one a line: the protocol ID, the
# title, the smallest width it allows, "shown" once weston has drawn it (it
# tells the program so by a frame callback) and, for the one that has the
# keyboard and is active, "focused"; and its menus that weston took, titled
# "menu", with their width and "shown" likewise; all from the protocol log.
open_windows() {
  awk '
    BEGIN { focus = -1 }
    # The number after the first `key` on the line.
    function after(key, at) { at = index($0, key); return at ? substr($0, at + length(key)) + 0 : -1 }
    /-> wl_compositor@[0-9]+\.create_surface\(/ { delete shown[after("wl_surface@")] }
    /-> wl_surface@[0-9]+\.frame\(/ { surface_of_frame[after("wl_callback@")] = after("wl_surface@") }
    / wl_callback@[0-9]+\.done\(/ {
      callback = after("wl_callback@")
      if (callback in surface_of_frame) { shown[surface_of_frame[callback]] = 1; delete surface_of_frame[callback] }
    }
    /-> xdg_wm_base@[0-9]+\.get_xdg_surface\(/ { surface_of_xdg[after("xdg_surface@")] = after("wl_surface@") }
    /-> xdg_surface@[0-9]+\.get_toplevel\(/ { xdg_of[after("xdg_toplevel@")] = after("xdg_surface@") }
    /-> xdg_toplevel@[0-9]+\.set_title\(/ { title[after("xdg_toplevel@")] = substr($0, index($0, "(\"") + 2, index($0, "\")") - index($0, "(\"") - 2) }
    /-> xdg_toplevel@[0-9]+\.set_min_size\(/ { width[after("xdg_toplevel@")] = after("set_min_size(") }
    /-> xdg_toplevel@[0-9]+\.destroy\(/ { delete title[after("xdg_toplevel@")] }
    # A menu is a popup that grabs the keyboard. weston configures it once it
    # let it grab, and takes it down (popup_done) when it did not.
    /-> xdg_positioner@[0-9]+\.set_size\(/ { size[after("xdg_positioner@")] = after("set_size(") }
    /-> xdg_surface@[0-9]+\.get_popup\(/ {
      popup = after("xdg_popup@"); xdg_of_popup[popup] = after("xdg_surface@"); menu_width[popup] = size[after("xdg_positioner@")]
    }
    / xdg_popup@[0-9]+\.configure\(/ && !/->/ { taken[after("xdg_popup@")] = 1 }
    / xdg_popup@[0-9]+\.popup_done\(/ || /-> xdg_popup@[0-9]+\.destroy\(/ {
      delete xdg_of_popup[after("xdg_popup@")]; delete taken[after("xdg_popup@")]
    }
    # The keyboard is for the program to use once it took the first configure
    # after the keyboard came: the one that makes the window active in Qt,
    # without which its shortcuts and default buttons do not answer yet.
    / wl_keyboard@[0-9]+\.enter\(/ { focus = after("wl_surface@"); activation = -1; active = 0 }
    / wl_keyboard@[0-9]+\.leave\(/ { focus = -1 }
    / xdg_surface@[0-9]+\.configure\(/ && !/->/ {
      if (surface_of_xdg[after("xdg_surface@")] == focus && activation < 0) activation = after("configure(")
    }
    /-> xdg_surface@[0-9]+\.ack_configure\(/ {
      if (surface_of_xdg[after("xdg_surface@")] == focus && activation >= 0 && after("ack_configure(") >= activation) active = 1
    }
    END {
      for (id in title) {
        surface = surface_of_xdg[xdg_of[id]]
        print id, title[id], width[id] (shown[surface] ? " shown" : "") (surface == focus && active ? " focused" : "")
      }
      for (popup in taken) print popup, "menu", menu_width[popup] (shown[surface_of_xdg[xdg_of_popup[popup]]] ? " shown" : "")
    }
  ' "$protocol"
}
has_window() { grep -qx "$1" <<<"$(open_windows)"; }
window_open() { has_window "[0-9]* $1 $2\( shown\)\?\( focused\)\?"; }
window_shown() { has_window "[0-9]* $1 $2 shown\( focused\)\?"; }
window_focused() { has_window "[0-9]* $1 $2\( shown\)\? focused"; }
window_closed() { ! has_window "[0-9]* $1 .*"; }
shot() { screen "$shots/wayland-$1.png"; }

wait_for window_open Brewick 502 || fail "no main window 502 pixels wide titled Brewick: $(tail -n 5 "$protocol")"
app_ids=$(grep -o 'set_app_id("[^"]*")' "$protocol" | sort -u)
[[ $app_ids == "set_app_id(\"$app_id\")" ]] || fail "the windows name themselves $app_ids, not $app_id"

# The main window's native surface, the first the program made, and the size
# it last gave its window.
main_surface=$(grep -o -m 1 'get_xdg_surface(new id xdg_surface@[0-9]*' "$protocol" | grep -o '[0-9]*$')
main_geometry() {
  grep -o "xdg_surface@$main_surface\.set_window_geometry(0, 0, [0-9]*, [0-9]*)" "$protocol" | tail -n 1 |
    grep -o '[0-9]*, [0-9]*)$' | tr -d ' )' | tr , x
}
# The main window's frame is what changed since the empty screen, but for
# the pointer's corner, once it has the size the program gave the window
# last: then the screen shows the window as it is. Its title bar's buttons
# are centred 15 pixels from its top, the close button 17 pixels from its
# right and the maximise button 41.
frame_shown() {
  screen "$work/main.png"
  compare "$work/empty.png" "$work/main.png" -compose src \
    -highlight-color black -lowlight-color white "$work/changed.png" || true
  frame=$(convert "$work/changed.png" -fill white -draw "$pointer_corner" -bordercolor white -border 1 \
    -format '%@' info:) || return 1
  read -r frame_width frame_height frame_x frame_y <<<"${frame//[x+]/ }"
  [[ ${frame_width}x$frame_height == "$(main_geometry)" ]]
}
find_frame() {
  wait_for frame_shown || fail "the screen shows ${frame:-no frame}, not the main window of $(main_geometry)"
  ((frame_width >= 502 && frame_height >= 581)) || fail "the main window's frame is only ${frame_width}x$frame_height"
}
click_title_button() {
  point_at $((frame_x - 1 + frame_width - $1)) $((frame_y - 1 + 15))
  xdotool click 1
}
rest_pointer() { point_at $((output_width - 1)) $((output_height - 1)); }

find_frame
shot main-window

wait_for window_focused Brewick 502 || fail "the main window did not get the keyboard"
# weston lets a menu grab the keyboard only while no key came after the one
# that opened it, and the program asks once it has read that key: so Alt+F
# is held until the File menu is up, and A chooses About from it then.
xdotool keydown alt+f
wait_for window_shown menu '[0-9]*' || fail "Alt+F showed no File menu ($(grep -c "popup_done(" "$protocol") taken down by weston)"
xdotool keyup alt+f key --clearmodifiers a
wait_for window_open InnSplash 400 || fail "File > About showed no about window"
wait_for window_shown InnSplash 400 || fail "weston did not draw the about window"
shot about-window
wait_for window_focused InnSplash 400 || fail "the about window did not get the keyboard"
xdotool key --clearmodifiers Return
wait_for window_closed InnSplash || fail "Enter left the about window open"
# weston gives the keyboard back once it has taken the about window away.
wait_for window_focused Brewick 502 || fail "the main window did not get the keyboard back"

# A name typed into the name field, which stands 28 pixels below the top of
# the form and 128 right of its left, at the bottom of the frame's client area.
find_frame
point_at $((frame_x + 2 + 128)) $((frame_y - 1 + frame_height - 3 - 581 + 28))
xdotool click 1 key --clearmodifiers ctrl+a
xdotool type --delay 5 "The Title Bar Tavern"
rest_pointer

# The window is fixed, but whatever its title bar asks leaves a working
# program: maximised it takes the whole screen, its form kept as it was, and
# back to normal it takes its own size again. A double click on the title
# asks the compositor to move the window, twice, and changes no size.
normal_size=$(main_geometry) screen_size=${output_width}x$output_height
title_bar_clicks=(
  "maximise:41:$screen_size"
  "restore:41:$normal_size"
  "maximise-again:41:$screen_size"
  "double-click-the-maximised-title:title:$screen_size"
  "restore-again:41:$normal_size"
  "double-click-the-title:title:$normal_size"
)
for row in "${title_bar_clicks[@]}"; do
  IFS=: read -r name button size <<<"$row"
  if [[ $button == title ]]; then
    point_at $((frame_x - 1 + frame_width / 2)) $((frame_y - 1 + 15))
    xdotool click --repeat 2 --delay 80 1
  else
    click_title_button "$button"
  fi
  wait_for bash -c "[[ \$(grep -o 'xdg_surface@$main_surface\.set_window_geometry(0, 0, [0-9]*, [0-9]*)' '$protocol' |
    tail -n 1) == *'$(tr x , <<<"$size" | sed 's/,/, /'))' ]]" ||
    fail "$name left the window at $(main_geometry), not $size: $(grep -i error "$protocol" | tail -n 3)"
  kill -0 "$program" || fail "$name ended the program: $(grep -i error "$protocol" | tail -n 3)"
  rest_pointer
  find_frame
  shot "$name"
done

# What was typed before the clicks is what File > Save writes after them.
wait_for window_focused Brewick 502 || fail "the main window lost the keyboard to the title-bar clicks"
xdotool key --clearmodifiers ctrl+s
wait_for window_focused "Save As" '[0-9]*' || fail "Ctrl+S showed no save dialog"
xdotool key --clearmodifiers ctrl+a
xdotool type --delay 5 "$work/typed.txt"
xdotool key --clearmodifiers Return
wait_for test -s "$work/typed.txt" || fail "the save after the title-bar clicks wrote nothing"
grep -q '^The Title Bar Tavern is run by' "$work/typed.txt" ||
  fail "the name typed before the title-bar clicks was lost: $(sed -n 3p "$work/typed.txt")"
wait_for window_closed "Save As" || fail "the save dialog stayed open"
wait_for window_focused Brewick 502 || fail "the main window did not get the keyboard back"

find_frame
click_title_button 17
wait_for window_open Brewick 305 || fail "the close button showed no closing window"
wait_for window_shown Brewick 305 || fail "weston did not draw the closing window"
shot closing-window
# The program takes the keyboard's coming after it showed the window.
wait_for window_focused Brewick 305 || fail "the closing window did not get the keyboard"
kill -0 "$program" || fail "the program ended before the closing window was dismissed"
xdotool key --clearmodifiers Return
wait_for bash -c "! kill -0 $program 2>/dev/null" || fail "Exit in the closing window did not end the program"
wait "$program" || fail "the program ended with status $?"
echo "PASS: $app_id on Wayland: main window, about window, title-bar clicks that keep what was typed, close request and Exit under weston"
