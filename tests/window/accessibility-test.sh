#!/usr/bin/env bash
# The real program through AT-SPI, on the session bus of dbus-run-session and a
# private X server: every control of the main window has a name, for what it
# holds, the room grid gives its headings, and Ctrl+Q brings up the closing
# window. Exits 77 when no accessibility bus starts. Usage: accessibility-test.sh BREWICK
set -euo pipefail
# A home and XDG folders of the test's own, for the program and the buses it starts; then the session bus.
if [[ -z ${BREWICK_TEST_HOME:-} ]]; then
  home=$(mktemp -d) && mkdir -m 700 "$home/runtime" && trap 'rm -rf "$home"' EXIT
  env BREWICK_TEST_HOME="$home" HOME="$home" XDG_CONFIG_HOME="$home" XDG_DATA_HOME="$home" XDG_STATE_HOME="$home" \
    XDG_CACHE_HOME="$home" XDG_RUNTIME_DIR="$home/runtime" dbus-run-session -- "$0" "$@" && exit 0 || exit $?
fi
source "$(dirname "$0")/../support/real-program-session.sh"
timeout 10 dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress || exit 77
start_x_server 1280x1024x24
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$1" >"$work/brewick.log" 2>&1 & pids+=($!)
timeout 60 /usr/bin/python3 - "$wait_seconds" <<'PYTHON' || fail "the main window as AT-SPI shows it"
import re, sys, time, pyatspi
def window(deadline):
    while time.monotonic() < deadline:
        apps = [app for app in pyatspi.Registry.getDesktop(0) if app and app.name == "Brewick" and app.childCount]
        if apps:
            return apps[0][0]
        time.sleep(0.1)
    sys.exit("no Brewick window on the accessibility bus")
main = window(time.monotonic() + float(sys.argv[1]))
named = {"text", "table", "list", "combo box", "check box", "radio button", "push button"}
nameless = [node.getRoleName() for node in pyatspi.findAllDescendants(main, lambda node: node.getRoleName() in named
            and not node.name and node.parent.getRoleName() != "combo box")]  # but a combo box's own pop-up list
grid = pyatspi.findDescendant(main, lambda node: node.name == "Rooms and prices").queryTable()
headers = [grid.getColumnHeader(i).name for i in range(4)] + [grid.getRowHeader(i).name for i in range(3)]
assert not nameless and headers == ["Beds in", "Single Rooms", "Double Rooms", "Common Room", "Beds in", "Number",
                                    "Cost (sp)"], f"nameless: {nameless}, headers: {headers}"
named = {(node.getRoleName(), node.name) for node in pyatspi.findAllDescendants(main, lambda node: True)}
assert {("combo box", "Table"), ("text", "Patrons at the chosen table")} <= named and any(
    role == "label" and re.fullmatch(r"Number of tables: \d+", name) for role, name in named), sorted(named)
PYTHON
main=$(wait_for xdotool search --onlyvisible --name '^Brewick$') || fail "no main window on the X server"
xdotool windowfocus --sync "$main" key --clearmodifiers ctrl+q
wait_for bash -c "(( \$(xdotool search --onlyvisible --name '^Brewick\$' | wc -l) == 2 ))" || fail "Ctrl+Q showed no closing window"
echo "PASS: the main window through AT-SPI"
