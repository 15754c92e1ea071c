#!/usr/bin/env bash
# Each kind of file Brewick reads, made at its limit, read as Brewick reads
# it: how long the reading takes and how much memory the process needs at
# most, for the README's table of limits. Inn files are also opened in the
# window, to the inn or the message on the screen.
# Usage: file-limits.sh BUILD_DIR   (the folder is made under TMPDIR)
set -euo pipefail
if [[ $# -ne 1 ]]; then
  echo "usage: $0 BUILD_DIR" >&2
  exit 2
fi
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export HOME=$work/home XDG_RUNTIME_DIR=$work/runtime
mkdir -p "$HOME" && mkdir -m 700 "$XDG_RUNTIME_DIR"
[[ -n ${DISPLAY:-} ]] || export QT_QPA_PLATFORM=offscreen
: >"$work/none.txt"
"$build/bin/brewick-batch" --seed 1 --count 1 --format json --scenes "$work/none.txt" >"$work/inn.json"

python3 - "$work" <<'PYTHON'
import json, os, sys
work = sys.argv[1]
mib = 1 << 20
limit = 64 * mib
inn = json.load(open(f"{work}/inn.json"))
def inn_with(**changes):
    changed = dict(inn, **changes)
    return json.dumps(changed, separators=(",", ":"), ensure_ascii=False) + "\n"
def write(name, text, encoding="utf-8"):
    with open(f"{work}/{name}", "w", encoding=encoding) as out:
        out.write(text)
def up_to(unit, size):
    return unit * (size // len(unit))

write("zeros.json", "[" + up_to("0,", limit - 2)[:-1] + "]")
line = inn_with()
write("inns.jsonl", up_to(line, limit))
menu = dict(inn["menu"], lines=["  Soup"] * 3000000)
write("menu-items.json", inn_with(menu=menu))
write("long-menu-line.json", inn_with(menu=dict(inn["menu"], lines=["x" * (256 << 10)])))
write("long-menu-lines.json", inn_with(menu=dict(inn["menu"], lines=["x" * mib] * 12)))
kept = '{"entry":"e-%d","made":%d,"changed":%d,"inn":' + line.rstrip("\n") + "}\n"
write("session.jsonl", '{"brewickSession":2}\n' + "".join(kept % (i, i, i) for i in range(limit // len(kept) - 1)))
# Lines not read, each counted with 128 bytes more, up to just below their
# bound: room for one line more.
os.mkdir(f"{work}/unread")
lines, weight = [], 0
while weight + len(kept % (len(lines), 0, 0)) + 128 + 200 <= limit:
    lines.append(kept % (len(lines), 0, 0))
    weight += len(lines[-1]) + 128
write("unread/session.jsonl.lines-not-read", "".join(lines))
entry = "a weary looking " + "x" * 84
entries = up_to(entry + "\n", 10000 * (len(entry) + 1))
write("scenes.txt", entries + up_to("/* a comment\n", 2 * mib - len(entries)))
os.mkdir(f"{work}/words")
from_batch = ["common-firsts", "common-seconds", "paired-firsts", "paired-seconds", "openings", "middles", "closings",
              "ages", "races", "occupations", "clothes", "hair", "faces", "group-actions", "single-actions",
              "main-ingredients", "main-dishes", "pudding-flavours", "puddings", "drink-names", "drinks", "traits",
              "rumours-docks", "rumours-poor", "rumours-merchant", "rumours-wealthy"]
races = ["human", "elven", "halfling", "half-elven", "dwarven", "half-orc", "gnome"]
from_batch += [f"first-names-{race}-{sex}" for race in races for sex in ("women", "men")]
from_batch += [f"family-names-{race}" for race in races]
for name in from_batch:
    for ending in (".txt", ".add.txt"):
        os.link(f"{work}/scenes.txt", f"{work}/words/{name}{ending}")
PYTHON

row() {
  local what=$1 size
  shift
  size=$(du -bs "${@: -1}" | cut -f1)
  printf '%-52s %6d MB  %s\n' "$what" $((size >> 20)) "$("$@" 2>/dev/null | tail -n 1)"
}
probe=$build/bench/file_probe
echo "kind of file, at its limit                               size  time and peak memory"
row "inn file: [0,0,...]" "$probe" inn "$work/zeros.json"
row "inn file: JSON Lines of ordinary inns" "$probe" inn "$work/inns.jsonl"
row "inn file: one inn, 3 million menu lines" "$probe" inn "$work/menu-items.json"
row "kept session at its bound" "$probe" session "$work/session.jsonl"
row "lines not read at their bound, one line more" "$probe" unread "$work/unread"
row "scene file: 10,000 entries and comments" "$probe" scenes "$work/scenes.txt"
row "word lists: every list and addition at its limit" "$probe" words "$work/words"
for file in zeros.json inns.jsonl menu-items.json long-menu-line.json long-menu-lines.json; do
  row "window, File > Open: $file" "$build/bench/open_probe" "$work/$file"
done
