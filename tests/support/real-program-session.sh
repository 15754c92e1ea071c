# Sourced by the shell tests that run the real program: a work folder and the
# processes listed in `pids`, both cleared away when the test ends; a home and
# XDG folders of the test's own in the work folder, never the user's; fail and
# wait_for; start_x_server, an X server of the test's own; screenshot, which
# waits for the windows it shows to be drawn; clipboard_holds; and
# save_through, a save by the window `main` with xdotool.

work=$(mktemp -d)
export HOME=$work/home
export XDG_CONFIG_HOME=$HOME/.config XDG_DATA_HOME=$HOME/.local/share XDG_STATE_HOME=$HOME/.local/state \
  XDG_CACHE_HOME=$HOME/.cache
mkdir -p "$HOME"
pids=()
cleanup() {
  local pid
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# How long a test waits for an event before it fails. A real program on a
# loaded machine of one core takes many times what it takes on an idle one;
# a passing run waits only as long as the event takes.
wait_seconds=30

# Waits up to wait_seconds for a command to succeed.
wait_for() {
  local deadline=$((SECONDS + wait_seconds))
  until "$@"; do
    ((SECONDS < deadline)) || return 1
    sleep 0.1
  done
}

# Starts Xvfb with one screen of the given WIDTHxHEIGHTxDEPTH and exports
# DISPLAY. Xvfb picks the display number itself, so tests running side by
# side never take the same one; and it never resets, which it otherwise does
# when its last client leaves, refusing whoever connects meanwhile.
start_x_server() {
  Xvfb -displayfd 3 -noreset -screen 0 "$1" -nolisten tcp 3>"$work/display-number" >"$work/xvfb.log" 2>&1 &
  pids+=($!)
  wait_for grep -q . "$work/display-number" || fail "the X server did not start: $(cat "$work/xvfb.log")"
  export DISPLAY=:$(cat "$work/display-number")
  wait_for xdpyinfo >/dev/null 2>&1 || fail "the X server on $DISPLAY does not answer"
}

# Whether the X window $1 shows what its program painted: a window mapped but
# not painted yet shows one colour.
drawn() { (($(import -window "$1" -format %k info: 2>/dev/null || echo 1) > 1)); }

# Saves the screen as $shots/$1.png once the X windows $2... are drawn.
screenshot() {
  local window
  for window in "${@:2}"; do
    wait_for drawn "$window" || fail "window $window was not drawn for the screenshot $1"
  done
  import -window root "$shots/$1.png"
}

# Whether the clipboard holds the bytes of the file $1.
clipboard_holds() {
  timeout "$wait_seconds" xclip -o -selection clipboard >"$work/clipboard.txt" 2>/dev/null && cmp -s "$work/clipboard.txt" "$1"
}

# Chooses the File menu's item by its key, or presses the shortcut $1 (a key
# with a modifier), and answers the save dialog with $2.
save_through() {
  local dialog keys=(alt+f "$1")
  [[ $1 == *+* ]] && keys=("$1")
  xdotool windowfocus --sync "$main"
  xdotool key --clearmodifiers "${keys[@]}"
  dialog=$(wait_for xdotool search --onlyvisible --name '^Save As$' | head -n 1) || fail "File > $1 showed no save dialog"
  xdotool windowfocus --sync "$dialog"
  xdotool key --clearmodifiers ctrl+a
  xdotool type --delay 5 "$2"
  xdotool key --clearmodifiers Return
  wait_for test -s "$2" || fail "File > $1 wrote nothing to $2"
  wait_for bash -c "! xdotool search --onlyvisible --name '^Save As\$' >/dev/null" || fail "the save dialog stayed open"
}
