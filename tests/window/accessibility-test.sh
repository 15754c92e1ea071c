#!/usr/bin/env bash
# The real program through AT-SPI, on the session bus of dbus-run-session and a
# private X server: every control of the main window has a name, those that
# would go by their group or their entry are named for what they hold, the
# room grid gives its headings, Ctrl+Q brings up the closing window and its
# web address is a link that can take the focus. Exits 77 when no
# accessibility bus starts. Usage: accessibility-test.sh BREWICK
set -euo pipefail
# The test's own home and XDG folders, for the program and for the session
# bus and the accessibility bus that start for it; then the session bus.
if [[ -z ${BREWICK_TEST_HOME:-} ]]; then
  home=$(mktemp -d)
  trap 'rm -rf "$home"' EXIT
  mkdir -m 700 "$home/runtime"
  status=0
  env BREWICK_TEST_HOME="$home" HOME="$home" XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/data" \
    XDG_STATE_HOME="$home/state" XDG_CACHE_HOME="$home/cache" XDG_RUNTIME_DIR="$home/runtime" \
    dbus-run-session -- "$0" "$@" || status=$?
  exit "$status"
fi
source "$(dirname "$0")/../support/real-program-session.sh"
timeout 10 dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress || exit 77
start_x_server 1280x1024x24
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$1" >"$work/brewick.log" 2>&1 & pids+=($!)
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
# Named for what they hold, not for their group or their current entry.
named = {(node.getRoleName(), node.name) for node in pyatspi.findAllDescendants(main, lambda node: True)}
count = next(name for role, name in named if name.startswith("Number of tables: "))
assert count[len("Number of tables: "):].isdigit(), count
for control in [("combo box", "Table"), ("text", "Patrons at the chosen table")]:
    assert control in named, f"no {control} in {sorted(named)}"
PYTHON
xdotool windowfocus --sync "$(xdotool search --onlyvisible --name '^Brewick$')" key --clearmodifiers ctrl+q
wait_for bash -c "(( \$(xdotool search --onlyvisible --name '^Brewick\$' | wc -l) == 2 ))" || fail "Ctrl+Q showed no closing window"
# The closing window's web address is a link, which the keyboard reaches.
timeout 60 /usr/bin/python3 - <<'PYTHON' || fail "the closing window's link as AT-SPI shows it"
import pyatspi
app = next(app for app in pyatspi.Registry.getDesktop(0) if app and app.name == "Brewick")
links = [node for window in app for node in pyatspi.findAllDescendants(window, lambda node: node.getRoleName() == "link")]
assert [link.name for link in links] == ["https://www.example.org/brewick"], [link.name for link in links]
assert links[0].getState().contains(pyatspi.STATE_FOCUSABLE), "the link cannot take the focus"
PYTHON
echo "PASS: the main window and the closing window through AT-SPI"
