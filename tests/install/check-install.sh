#!/usr/bin/env bash
# Checks an install prefix filled by `cmake --install`, or the usr/ of an
# unpacked package: the programs, the menu entry, the metainfo, every icon
# size and the JSON schema are where the desktop and programs look for them,
# the entry and the metainfo pass their validators, brewick-batch writes a PDF
# with its installed PDF writer, and both manual pages render cleanly,
# brewick-batch's documenting every option its --help lists, and the pages
# and the metainfo's newest release name the programs' version.
set -euo pipefail

if [[ $# -ne 1 ]]; then
  echo "usage: $0 PREFIX_DIR" >&2
  exit 2
fi
prefix=$1
if [[ ! -d $prefix ]]; then
  echo "check-install: $prefix is not a folder" >&2
  exit 2
fi

app_id=org.example.Brewick
share=$prefix/share
desktop_file=$share/applications/$app_id.desktop
metainfo_file=$share/metainfo/$app_id.metainfo.xml
failures=0

fail() {
  echo "check-install: FAIL: $*" >&2
  failures=$((failures + 1))
}

expect_file() {
  [[ -f $1 ]] || fail "missing $1"
}

# An installed program finds its libraries where the system keeps them: a
# RUNPATH would make it load whatever lies in a folder named by the build.
expect_program() {
  [[ -f $1 && -x $1 ]] || { fail "missing or not executable: $1"; return; }
  ! readelf -d "$1" | grep -E '\((RUNPATH|RPATH)\)' || fail "$1 has a search path for libraries"
}

# A PNG's width and height are the big-endian words at bytes 16 and 20; an icon
# filed under the wrong size is scaled, and blurred, by every desktop.
expect_png_size() {
  local file=$1 size=$2 dims
  [[ -f $file ]] || { fail "missing $file"; return; }
  dims=$(od -An -tu1 -j16 -N8 "$file" | awk '{ print $3 * 256 + $4 "x" $7 * 256 + $8 }')
  [[ $dims == "${size}x${size}" ]] || fail "$file is $dims, expected ${size}x${size}"
}

# Runs a validator and shows what it said when it rejects the file.
expect_valid() {
  local output
  if ! output=$("$@" 2>&1); then
    fail "$* rejected the file:"
    echo "$output" >&2
  fi
}

expect_program "$prefix/bin/brewick"
# GIO is loaded at the first Edit > Bar Scenes, not at every start-up.
! readelf -d "$prefix/bin/brewick" | grep 'NEEDED.*libgio' || fail "brewick loads GIO at start-up"
expect_program "$prefix/bin/brewick-batch"
# brewick-batch's PDF writer, a module it finds from its own folder.
pdf_writer=$(find "$prefix/lib" -path '*/brewick/brewick-batch-pdf.so' 2>/dev/null | head -n 1)
if [[ -z $pdf_writer ]]; then
  fail "missing brewick-batch-pdf.so in a brewick folder under $prefix/lib"
else
  ! readelf -d "$pdf_writer" | grep -E '\((RUNPATH|RPATH)\)' || fail "$pdf_writer has a search path for libraries"
  pdf_home=$(mktemp -d)
  HOME=$pdf_home XDG_RUNTIME_DIR=$pdf_home XDG_DATA_HOME=$pdf_home \
    "$prefix/bin/brewick-batch" --seed 4 --count 2 --format pdf >"$pdf_home/inns.pdf" &&
    [[ $(head -c 5 "$pdf_home/inns.pdf") == %PDF- ]] || fail "the installed brewick-batch writes no PDF"
  rm -rf "$pdf_home"
fi
expect_file "$desktop_file"
expect_file "$metainfo_file"
expect_file "$share/icons/hicolor/scalable/apps/$app_id.svg"
expect_file "$share/brewick/brewick-inn.schema.json"
for size in 16 22 24 32 48 64 128 256; do
  expect_png_size "$share/icons/hicolor/${size}x${size}/apps/$app_id.png" "$size"
done

if [[ -f $desktop_file ]]; then
  grep -qx "Icon=$app_id" "$desktop_file" || fail "$desktop_file does not name the icon $app_id"
  if command -v desktop-file-validate >/dev/null; then
    expect_valid desktop-file-validate "$desktop_file"
  else
    fail "desktop-file-validate not found (Debian package desktop-file-utils)"
  fi
fi
if [[ -f $metainfo_file ]] && command -v appstreamcli >/dev/null; then
  expect_valid appstreamcli validate --no-net "$metainfo_file"
fi

# A program's manual page, plain as `cmake --install` leaves it or gzipped as
# in a package.
man_page() {
  local page
  for page in "$share/man/man1/$1.1" "$share/man/man1/$1.1.gz"; do
    [[ -f $page ]] && { echo "$page"; return 0; }
  done
  return 1
}

for program in brewick brewick-batch; do
  if ! page=$(man_page "$program"); then
    fail "no manual page for $program in $share/man/man1"
    continue
  fi
  # As lintian renders it: any warning of man or groff is a fault.
  warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null)
  [[ -z $warnings ]] || fail "$page renders with warnings: $warnings"
done
if page=$(man_page brewick-batch) && [[ -x $prefix/bin/brewick-batch ]]; then
  source_text=$(zcat -f "$page")
  for option in $("$prefix/bin/brewick-batch" --help | grep -o -- '--[a-z]*' | sort -u); do
    grep -qF -- "${option//-/\\-}" <<<"$source_text" || fail "$page does not document $option"
  done
fi

# The inn files' type, once the MIME database holds it: known by the first
# member of the JSON, and by the name File > Export suggests.
mime_file=$share/mime/packages/$app_id.xml
expect_file "$mime_file"
if [[ -f $mime_file ]]; then
  mime_home=$(mktemp -d)
  mkdir "$mime_home/mime" "$mime_home/mime/packages"
  cp "$mime_file" "$mime_home/mime/packages/"
  if update-mime-database "$mime_home/mime" >/dev/null 2>&1; then
    guess() {
      XDG_DATA_HOME=$mime_home XDG_DATA_DIRS=/usr/share /usr/bin/python3 -c '
import sys
from gi.repository import Gio
name, data = sys.argv[1] or None, sys.argv[2].encode() or None
print(Gio.content_type_guess(name, data)[0])' "$1" "$2"
    }
    [[ $(guess "" '{"inn":1,"seed":7}') == application/x-brewick-inn ]] || fail "an inn's JSON is not known as an inn file"
    [[ $(guess inns.inn.json "") == application/x-brewick-inn ]] || fail "a *.inn.json name is not known as an inn file"
  else
    fail "update-mime-database rejects $mime_file"
  fi
  rm -rf "$mime_home"
fi
grep -qx 'MimeType=application/x-brewick-inn;' "$desktop_file" || fail "$desktop_file does not take inn files"

# The version is made from the project's; the pages and the metainfo are
# written by hand and must follow it.
if [[ -x $prefix/bin/brewick-batch ]]; then
  version=$("$prefix/bin/brewick-batch" --version | sed -n 's/^brewick-batch //p')
  for program in brewick brewick-batch; do
    page=$(man_page "$program") || continue
    zcat -f "$page" | head -n 1 | grep -qF "\"Brewick $version\"" ||
      fail "$page is not headed for Brewick $version: $(zcat -f "$page" | head -n 1)"
  done
  if [[ -f $metainfo_file ]]; then
    newest=$(grep -o '<release version="[^"]*"' "$metainfo_file" | head -n 1)
    [[ $newest == "<release version=\"$version\"" ]] || fail "the metainfo's newest release is not $version: $newest"
  fi
fi

if ((failures > 0)); then
  echo "check-install: $failures problem(s) in $prefix" >&2
  exit 1
fi
echo "check-install: $prefix is complete"
