#!/usr/bin/env bash
# Installs the Debian packages a set-up step needs, only when some are missing.
# Usage: install-deps.sh build|package|test|bench|screenshots|fuzz|format|samples ...
set -euo pipefail

build_packages=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-svg-dev libgl-dev libgsf-1-dev libzip-dev libdeflate-dev libxcb1-dev
                libgtest-dev libgmock-dev libbenchmark-dev fonts-wine fonts-liberation fonts-dejavu-core
                qt6-tools-dev qt6-l10n-tools qt6-translations-l10n)
# The Debian package: CPack's dependency scan (dpkg-shlibdeps, file) and the
# manual pages generated from --help.
package_packages=(dpkg-dev file help2man)
# The tests also check the package with the tools a distribution uses, and
# draw the .svg and .pdf pictures with second renderers (rsvg-convert, pdftoppm), read
# .xlsx and .ods with other readers (openpyxl, Gnumeric's ssconvert) and print through
# a CUPS queue of their own that writes PDF files (cups, cups-pdf).
# The language tests make their locales from the locales package's sources;
# the family-file route runs in a real X session under a window manager, the
# clipboard tests on an X server of their own; the windows' names and roles
# are read over an accessibility bus of the test's own (AT-SPI, from Python).
test_packages=(python3 python3-xlrd python3-openpyxl "${package_packages[@]}"
               lintian desktop-file-utils appstream man-db util-linux librsvg2-bin poppler-utils locales
               xvfb openbox xdotool x11-utils dbus-daemon at-spi2-core python3-gi gir1.2-atspi-2.0)
# LibreOffice, Gnumeric and CUPS are large: only what the tests run, without recommends.
test_lean_packages=(libreoffice-calc gnumeric cups printer-driver-cups-pdf)
# The .xlsx peer is a small C program on libxlsxwriter; the GEDCOM peers are
# libgedcom-perl and read-gedcom on node (from npm, into the build folder).
bench_packages=(python3 python3-xlwt python3-xlrd libgedcom-perl gcc libxlsxwriter-dev xvfb nodejs npm)
screenshot_packages=(xvfb xauth imagemagick xdotool openbox)
# The reader's fuzzer: clang with libFuzzer and the sanitizers' run-time.
fuzz_packages=(clang libclang-rt-14-dev)
format_packages=(clang-format)
# The writers that remake the reader tests' committed workbooks (LibreOffice as for test).
sample_packages=(python3 python3-xlwt)

missing() {
  local p
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || echo "$p"
  done
}

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# Another apt-get (an unattended upgrade, a second checkout) may hold the lock: wait for it.
updated=no
install() {
  local extra=$1; shift
  local need
  need=$(missing "$@")
  [ -z "$need" ] && return 0
  echo "Installing: $need"
  if [ "$updated" = no ]; then as_root apt-get -o DPkg::Lock::Timeout=600 update -qq; updated=yes; fi
  # shellcheck disable=SC2086
  as_root env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=600 install -y -qq $extra $need
}

for group in "$@"; do
  case "$group" in
    build) install "" "${build_packages[@]}" ;;
    package) install "" "${package_packages[@]}" ;;
    test) install "" "${test_packages[@]}"
          install "--no-install-recommends" "${test_lean_packages[@]}" ;;
    bench) install "" "${bench_packages[@]}" ;;
    screenshots) install "" "${screenshot_packages[@]}" ;;
    fuzz) install "" "${fuzz_packages[@]}" ;;
    format) install "" "${format_packages[@]}" ;;
    samples) install "" "${sample_packages[@]}"
             install "--no-install-recommends" "${test_lean_packages[@]}" ;;
    *) echo "unknown package group: $group" >&2; exit 2 ;;
  esac
done
