#!/usr/bin/env bash
# Where the about and the closing window open, on a private X server without
# a window manager and under openbox: at their offsets from the main window's
# inside, (9, 64) and (78, 111), which put them at (66, 98) and (135, 145)
# while the main window stands where it starts, at (57, 34); and at the same
# offsets from it once it has been moved to (700, 380). Then the main window
# at the scales 1, 1.5 and 2. Screenshots land in SCREENSHOT_DIR.
# Usage: window-manager-test.sh BREWICK SCREENSHOT_DIR
set -euo pipefail
brewick=$1 shots=$2
mkdir -p "$shots"
source "$(dirname "$0")/../support/real-program-session.sh"

# The program in a home and XDG folders of its own, with the environment $@.
start_program() {
  local home=$work/home
  rm -rf "$home"
  mkdir -p "$home/runtime"
  chmod 700 "$home/runtime"
  env HOME="$home" XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/data" XDG_STATE_HOME="$home/state" \
    XDG_CACHE_HOME="$home/cache" XDG_RUNTIME_DIR="$home/runtime" BREWICK_SEED=7 "$@" "$brewick" \
    >"$work/brewick.log" 2>&1 &
  program=$!
  pids+=("$program")
  main=$(wait_for xdotool search --onlyvisible --name '^Brewick$') || fail "no main window: $(cat "$work/brewick.log")"
  sleep 0.5
}

# Where the inside of window $1 stands on the screen: "x y".
inside() { xwininfo -id "$1" | awk '/Absolute upper-left X/ {x = $4} /Absolute upper-left Y/ {y = $4} END {print x, y}'; }

# Opens a companion with the keys $2, titled $1, and checks that its inside
# stands at ($3, $4) from the main window's; leaves it open.
expect_companion() {
  local companion main_x main_y x y
  xdotool windowfocus --sync "$main"
  xdotool key --clearmodifiers $2
  companion=$(wait_for bash -c "xdotool search --onlyvisible --name '^$1\$' | grep -vx $main") ||
    fail "$2 showed no $1 window"
  sleep 0.3
  read -r main_x main_y < <(inside "$main")
  read -r x y < <(inside "$companion")
  ((x - main_x == $3 && y - main_y == $4)) ||
    fail "$window_manager: $1 at $x, $y, the main window at $main_x, $main_y: ($3, $4) apart expected"
  shot "$window_manager-$1-by-main-at-$main_x-$main_y"
}
shot() { import -window root "$shots/$1.png"; }

# Closes the companion titled $1 with Enter, and waits until it has gone.
close_companion() {
  xdotool key --clearmodifiers Return
  wait_for bash -c "! xdotool search --onlyvisible --name '^$1\$' | grep -vqx $main" || fail "Enter left $1 open"
}

for window_manager in none openbox; do
  rm -f "$work/display-number"
  start_x_server 2048x1536x24
  if [[ $window_manager == openbox ]]; then
    HOME="$work" openbox --sm-disable >"$work/openbox.log" 2>&1 &
    openbox=$!
    pids+=("$openbox")
    wait_for xprop -root _NET_SUPPORTING_WM_CHECK >/dev/null || fail "openbox did not start: $(cat "$work/openbox.log")"
  fi
  start_program
  [[ $(inside "$main") == "57 34" ]] || fail "$window_manager: the main window starts at $(inside "$main")"
  expect_companion InnSplash "alt+f a" 9 64
  close_companion InnSplash
  xdotool windowmove --sync "$main" 700 380
  expect_companion InnSplash "alt+f a" 9 64
  close_companion InnSplash
  expect_companion Brewick ctrl+q 78 111
  xdotool key --clearmodifiers Return
  wait "$program" || fail "the program ended with status $?"
done

# The last X server, without openbox now: the window at each scale, to look at.
kill "$openbox"
for scale in 1 1.5 2; do
  start_program QT_SCALE_FACTOR=$scale
  import -window "$main" "$shots/scale-$scale.png"
  kill "$program"
  wait "$program" || true
done
echo "PASS: the about and the closing window beside the main window, with and without a window manager"
