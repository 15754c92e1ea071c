#!/usr/bin/env bash
# Builds the Debian package as `dpkg-buildpackage -us -uc -b` does in a clean
# clone, but in a temporary copy of the checkout's tracked files, so nothing
# lands beside the checkout, and checks what a user would install: lintian
# finds no error and no warning; the version is the project's; Depends and
# Recommends name what the programs need at run time; the unpacked package
# holds what `cmake --install` installs (check-install.sh, RUNPATH included),
# the manual pages gzipped, and the copyright file; the programs are stripped
# and hardened; the packaged brewick-batch makes the same inns as the build's
# own, and the packaged brewick passes the Wayland test.
# Usage: check-package.sh BUILD_BREWICK_BATCH SCREENSHOT_DIR
set -euo pipefail
if [[ $# -ne 2 ]]; then
  echo "usage: $0 BUILD_BREWICK_BATCH SCREENSHOT_DIR" >&2
  exit 2
fi
reference_batch=$1 shots=$2
tests=$(cd "$(dirname "$0")/.." && pwd)
checkout=$(dirname "$tests")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
  echo "check-package: FAIL: $*" >&2
  failures=$((failures + 1))
}

version=$(sed -n 's/^project(Brewick VERSION \([0-9.]*\).*/\1/p' "$checkout/CMakeLists.txt")
changelog_version=$(dpkg-parsechangelog -l "$checkout/debian/changelog" -S Version)
[[ $changelog_version == "$version" ]] ||
  fail "debian/changelog is at $changelog_version, the project at $version"

mkdir "$work/brewick"
git -C "$checkout" ls-files -z |
  tar -C "$checkout" --null --files-from=- --ignore-failed-read -cf - |
  tar -C "$work/brewick" -xf -
echo "check-package: building the package in $work"
if ! (cd "$work/brewick" && dpkg-buildpackage -us -uc -b) >"$work/build.log" 2>&1; then
  tail -n 40 "$work/build.log" >&2
  echo "check-package: FAIL: dpkg-buildpackage failed" >&2
  exit 1
fi
arch=$(dpkg --print-architecture)
deb=$work/brewick_${changelog_version}_$arch.deb
[[ -f $deb ]] || { echo "check-package: FAIL: no $(basename "$deb")" >&2; exit 1; }
[[ -f $work/brewick-dbgsym_${changelog_version}_$arch.deb ]] || fail "no -dbgsym package beside the stripped one"

echo "check-package: lintian"
lintian --fail-on error,warning "$work/brewick_${changelog_version}_$arch.changes" ||
  fail "lintian found errors or warnings"

# Package, field and the package named there (without its version).
while read -r field package; do
  dpkg-deb -f "$deb" "$field" | tr ',' '\n' | sed 's/^ *//; s/ .*//' | grep -qx "$package" ||
    fail "$field does not name $package: $(dpkg-deb -f "$deb" "$field")"
done <<'ROWS'
Depends qt6-qpa-plugins
Depends fonts-liberation
Depends fonts-noto-core
Depends fonts-symbola
Depends libqt6widgets6
Depends libglib2.0-0
Depends libc6
Recommends qt6-wayland
Recommends fonts-noto-cjk
ROWS

root=$work/root
dpkg-deb -x "$deb" "$root"
"$tests/install/check-install.sh" "$root/usr" || fail "the unpacked package is not a complete install"
for page in brewick brewick-batch; do
  [[ -f $root/usr/share/man/man1/$page.1.gz ]] || fail "no gzipped manual page $page.1.gz in man1"
done
copyright=$root/usr/share/doc/brewick/copyright
[[ $(head -n 1 "$copyright" 2>/dev/null) == Format:* ]] || fail "$copyright is missing or not machine-readable"

# Stripped (the symbols are in the -dbgsym package), and as hard as Debian's
# hardening makes them: position independent, read-only relocations bound now.
for program in "$root"/usr/bin/*; do
  sections=$(readelf -S "$program")
  dynamic=$(readelf -d "$program")
  segments=$(readelf -l "$program")
  ! grep -q '\.debug_info' <<<"$sections" || fail "$program is not stripped"
  grep -q 'FLAGS_1.*PIE' <<<"$dynamic" || fail "$program is not position independent"
  grep -q 'BIND_NOW' <<<"$dynamic" || fail "$program does not bind now"
  grep -q 'GNU_RELRO' <<<"$segments" || fail "$program has no read-only relocations"
done

# The packaged brewick-batch, built with Debian's flags, makes the very inns
# the build's own does.
printf '%s\n' "A gnome sells umbrellas to the dwarves" "/* a comment, not a scene" >"$work/scenes.txt"
batch() {
  XDG_DATA_HOME="$work/data" "$1" --seed 1234 --count 20 --format json --scenes "$work/scenes.txt"
}
packaged_inns=$(batch "$root/usr/bin/brewick-batch") || fail "the packaged brewick-batch failed"
[[ $(grep -c '^{"inn":' <<<"$packaged_inns") == 20 ]] || fail "the packaged brewick-batch made no 20 inns"
[[ $packaged_inns == "$(batch "$reference_batch")" ]] ||
  fail "the packaged brewick-batch makes other inns than $reference_batch"
[[ $("$root/usr/bin/brewick-batch" --version) == "brewick-batch $version" ]] ||
  fail "the packaged brewick-batch does not say version $version"

"$tests/wayland/wayland-test.sh" "$root/usr/bin/brewick" \
  "$root/usr/share/applications/org.example.Brewick.desktop" "$shots/package" ||
  fail "the packaged brewick failed on Wayland"

if ((failures > 0)); then
  echo "check-package: $failures problem(s) in $(basename "$deb")" >&2
  exit 1
fi
echo "check-package: $(basename "$deb") is complete, lintian-clean and runs"
