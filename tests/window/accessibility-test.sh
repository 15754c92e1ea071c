#!/usr/bin/env bash
# The real program through AT-SPI, on a session bus and a private X server of
# the test's own: every control of the main window has a name, the room grid
# gives its headings, and Ctrl+Q brings up the closing window. Exits 77 when no
# accessibility bus starts. Usage: accessibility-test.sh BREWICK
set -euo pipefail
source "$(dirname "$0")/../support/real-program-session.sh"
# The accessibility bus puts its socket in the runtime folder.
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
dbus-daemon --session --nofork --print-address=3 3>"$work/bus-address" & pids+=($!)
wait_for test -s "$work/bus-address" || fail "no session bus started"
DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$work/bus-address")
export DBUS_SESSION_BUS_ADDRESS
timeout 10 dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress || exit 77
start_x_server 1280x1024x24
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 XDG_DATA_HOME="$work" "$1" >"$work/brewick.log" 2>&1 & pids+=($!)
timeout 60 /usr/bin/python3 - <<'PYTHON' || fail "the main window as AT-SPI shows it"
import time, pyatspi
def window():
    apps = [app for app in pyatspi.Registry.getDesktop(0) if app and app.name == "Brewick" and app.childCount]
    return apps[0][0] if apps else time.sleep(0.1)
main = next(filter(None, (window() for _ in range(100))))
named = {"text", "table", "list", "combo box", "check box", "radio button", "push button"}
nameless = [node.getRoleName() for node in pyatspi.findAllDescendants(main, lambda node: node.getRoleName() in named
            and not node.name and node.parent.getRoleName() != "combo box")]  # but a combo box's own pop-up list
grid = pyatspi.findDescendant(main, lambda node: node.name == "Rooms and prices").queryTable()
headers = [grid.getColumnHeader(i).name for i in range(4)] + [grid.getRowHeader(i).name for i in range(3)]
assert not nameless and headers == ["Beds in", "Single Rooms", "Double Rooms", "Common Room", "Beds in", "Number",
                                    "Cost (sp)"], f"nameless: {nameless}, headers: {headers}"
PYTHON
xdotool windowfocus --sync "$(xdotool search --onlyvisible --name '^Brewick$')" key --clearmodifiers ctrl+q
wait_for bash -c "(( \$(xdotool search --onlyvisible --name '^Brewick\$' | wc -l) == 2 ))" || fail "Ctrl+Q showed no closing window"
