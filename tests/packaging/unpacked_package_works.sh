#!/usr/bin/env bash
# The unpacked package holds everything it should, carries one version
# everywhere, its kinloom-chart writes a chart that xlrd reads as the chart
# (and its picture, through its extras module), and its manual pages render
# with every option --help names.
# Usage: unpacked_package_works.sh PACKAGE.deb UNPACKED_ROOT VERSION XLRD_CHECK
set -euo pipefail
source "$(dirname "$0")/common.sh"
need dpkg-deb man python3
deb=$1 root=$2 version=$3 xlrd_check=$4
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

for file in usr/bin/kinloom usr/bin/kinloom-chart \
            usr/share/icons/hicolor/{32x32,48x48,128x128,256x256}/apps/kinloom.png \
            usr/share/applications/kinloom.desktop usr/share/metainfo/example.brenvik.Kinloom.metainfo.xml \
            usr/share/mime/packages/kinloom.xml \
            usr/share/man/man1/kinloom.1.gz usr/share/man/man1/kinloom-chart.1.gz \
            usr/share/doc/kinloom/copyright usr/share/doc/kinloom/changelog.gz; do
  [ -f "$root/$file" ] || fail "the package lacks $file"
done

[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "package version $(dpkg-deb -f "$deb" Version)"
grep -q "<release version=\"$version\"" "$root/usr/share/metainfo/example.brenvik.Kinloom.metainfo.xml" ||
  fail "the metainfo's release is not $version"
for program in kinloom kinloom-chart; do
  answer=$("$root/usr/bin/$program" --version)
  [ "$answer" = "$program $version" ] || fail "$program --version says '$answer'"
done

compgen -G "$root/usr/lib/*/kinloom/kinloom-chart-extras.so" >/dev/null || fail "the package lacks the extras module"

"$root/usr/bin/kinloom-chart" --root Halvarsen --generations 5 --output "$work/chart.xls" --picture "$work/chart.png"
/usr/bin/python3 "$xlrd_check" "$work/chart.xls" 5 Halvarsen
[ -s "$work/chart.png" ] || fail "kinloom-chart wrote no picture"

for program in kinloom kinloom-chart; do
  page=$(LC_ALL=C MANWIDTH=100 man -l "$root/usr/share/man/man1/$program.1.gz" 2>&1) ||
    fail "man cannot render $program(1): $page"
  options=$("$root/usr/bin/$program" --help | grep -oE -- '^ +(-[a-z], )?--[a-z-]+' | grep -oE -- '--[a-z-]+')
  for option in $options "Exit status"; do
    grep -qF -- "$option" <<<"$page" || fail "$program(1) does not mention $option"
  done
done
echo "package $version: contents, versions, chart and manual pages checked"
