#!/usr/bin/env bash
# Installs what is missing, checks the C++ files' format, builds everything
# and runs every test: the main build's tests, the window and end-to-end
# tests again with late answers and on one core, ./run.sh in a fresh Debian 12
# root, the Debian package (built from the tracked files, checked and run),
# the library's tests under AddressSanitizer and UndefinedBehaviorSanitizer,
# and bounded fuzzing runs of the scene file reader and of the inn file and
# session readers; last it checks that the run left the Brewick folders of
# the user who ran it as they were. Exits non-zero when anything fails.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/packages.sh
scripts/ensure-packages.sh "${TEST_PACKAGES[@]}"

jobs=$(nproc)
step() { printf '\n== %s\n' "$*"; }

# The files in the running user's own Brewick folders, with their sizes and
# times: no test may touch them. (The cache folder is the fresh-root check's,
# which keeps its Debian root there; Brewick itself caches nothing.)
users_brewick_files() {
  local folder
  for folder in "${XDG_CONFIG_HOME:-$HOME/.config}" "${XDG_DATA_HOME:-$HOME/.local/share}" \
    "${XDG_STATE_HOME:-$HOME/.local/state}"; do
    find "$folder/brewick" -printf '%p %s %T@\n' 2>/dev/null || true
  done | sort
}
users_files_before=$(users_brewick_files)

# CI treats warnings as errors; a user's own run does not.
preset=dev
[[ ${CI:-} == true ]] && preset=ci

step "Check the C++ files against .clang-format"
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror

step "Build and test"
cmake --preset "$preset"
cmake --build --preset "$preset"
ctest --preset "$preset" -j "$jobs"

# The tests wait for events, never for the clock: they pass as well when
# every dialog is answered late, as by a slow user, and on one busy core.
step "Run the window and end-to-end tests again, every dialog answered 50 ms late"
BREWICK_TEST_HOLD_BACK_MS=50 ctest --preset "$preset" -L 'window|e2e' -j "$jobs"
step "Run the window and end-to-end tests again, on one core"
taskset -c 0 ctest --preset "$preset" -L 'window|e2e' -j 2

step "Build and start Brewick with ./run.sh in a fresh Debian 12 root"
tests/fresh-root/run-in-fresh-root.sh

step "Build the Debian package in a temporary copy, check it with lintian and run it"
tests/package/check-package.sh build/bin/brewick-batch build/screenshots

step "Build and test with AddressSanitizer and UndefinedBehaviorSanitizer"
cmake --preset asan
cmake --build --preset asan
ctest --preset asan -j "$jobs"

step "Fuzz the scene file reader, and the inn file and session readers"
cmake --preset fuzz
cmake --build --preset fuzz
mkdir -p build-fuzz/corpus build-fuzz/inn-corpus
build-fuzz/bin/scene_file_fuzzer -max_total_time="${BREWICK_FUZZ_SECONDS:-60}" -max_len=4096 \
  -timeout=10 -rss_limit_mb=1024 -print_final_stats=1 build-fuzz/corpus tests/fuzz/seeds
# An inn's JSON takes a few kilobytes.
build-fuzz/bin/inn_file_fuzzer -max_total_time="${BREWICK_FUZZ_SECONDS:-60}" -max_len=32768 \
  -timeout=10 -rss_limit_mb=1024 -print_final_stats=1 build-fuzz/inn-corpus tests/fuzz/inn-seeds

step "Check that the run left the user's own Brewick folders as they were"
if [[ $(users_brewick_files) != "$users_files_before" ]]; then
  echo "the tests changed the files of the user who ran them:" >&2
  diff <(echo "$users_files_before") <(users_brewick_files) >&2 || true
  exit 1
fi

step "All tests passed"
