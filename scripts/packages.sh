# The Debian packages Brewick needs, sourced by run.sh and test.sh.

# To build and run the two programs on a minimal Debian 12 (debootstrap's
# minbase with git): nothing test-only, as
# tests/fresh-root/run-in-fresh-root.sh checks.
BUILD_PACKAGES=(
  g++ cmake ninja-build
  pkg-config libglib2.0-dev # GIO, loaded at run time, finds the user's text editor
  libcups2-dev                # CUPS, loaded at run time, answers for the print job
  qt6-base-dev
  qt6-qpa-plugins qt6-wayland # the window on X11, Wayland and Qt's offscreen screen
  fonts-liberation            # the font the window's layout is measured in
  fonts-noto-core             # the printed sheet's fallback for the scripts Liberation Sans lacks,
  fonts-symbola               # and for emoji, in outlines, which paper and PDF take
)

# To build and run every test, the fuzzer and the benchmarks, and to check
# the formatting.
TEST_PACKAGES=(
  "${BUILD_PACKAGES[@]}"
  build-essential
  libgtest-dev libgmock-dev libbenchmark-dev rapidjson-dev time
  librapidcheck-dev # the desk's state test
  clang libclang-rt-14-dev clang-format
  cups-daemon cups-client poppler-utils
  desktop-file-utils appstream man-db
  xvfb x11-utils xdotool imagemagick libx11-dev
  openbox # a real window manager, for where the windows open
  dbus-daemon python3-gi gir1.2-glib-2.0
  at-spi2-core python3-pyatspi # the main window through AT-SPI
  weston
  dpkg-dev debhelper lintian
  python3-jsonschema xclip shared-mime-info
  debootstrap wget
)
