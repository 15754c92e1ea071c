# The Debian packages Brewick needs, sourced by run.sh and test.sh.

# To build and run the program.
BUILD_PACKAGES=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-qpa-plugins qt6-wayland libglib2.0-dev
  fonts-liberation
)

# To build and run every test, the fuzzer and the benchmarks.
TEST_PACKAGES=(
  "${BUILD_PACKAGES[@]}"
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev
  cups-daemon cups-client poppler-utils
  desktop-file-utils appstream man-db
  xvfb x11-utils xdotool imagemagick libx11-dev
  dbus-daemon python3-gi gir1.2-glib-2.0
  weston
  dpkg-dev debhelper lintian
  python3-jsonschema xclip
)
