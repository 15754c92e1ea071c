# Sourced by the shell tests that run the real program: a work folder and the
# processes listed in `pids`, both cleared away when the test ends; fail and
# wait_for; and start_x_server, an X server of the test's own.

work=$(mktemp -d)
pids=()
cleanup() {
  local pid
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
