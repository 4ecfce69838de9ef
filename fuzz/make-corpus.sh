#!/usr/bin/env bash
# Writes the fuzzers' seed corpora: the reader tests' sample workbooks (from
# python3-xlwt and LibreOffice), charts of our own once kinloom-chart has been
# built, the inputs that once broke the reader and the corpus kept with the
# tests. Whole files go to SEED_FOLDER/file, bare workbook streams to
# SEED_FOLDER/stream; the GEDCOM tests' files and the GEDCOM inputs that once
# broke that reader to SEED_FOLDER/gedcom; the charts' sheet pictures (taken
# as the build run takes them) and the pictures that once broke their loader
# to SEED_FOLDER/picture; charts in each format, blank, numbered and filled
# from the GEDCOM tests' pedigree, to SEED_FOLDER/chart-xls, chart-xlsx and
# chart-ods, with the inputs kept from earlier runs and those that once broke
# the reading (tests/chart/chart-regressions/, named by format).
# Usage: fuzz/make-corpus.sh SEED_FOLDER [KINLOOM_BUILD_FOLDER]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
seeds=${1:?usage: make-corpus.sh SEED_FOLDER [BUILD_FOLDER]}
build=${2:-$here/../build}
mkdir -p "$seeds/file" "$seeds/stream" "$seeds/gedcom" "$seeds/picture" "$seeds/chart-xls" "$seeds/chart-xlsx" \
  "$seeds/chart-ods"
samples="$here/../tests/spreadsheet/data"
cp "$samples"/*.xls "$seeds/file/"
cp "$samples"/*.stream "$seeds/stream/"
chart="$build/app/kinloom-chart"
if [ -x "$chart" ]; then
  for g in 1 2 3 4; do
    "$chart" --root "Seed $g" --generations "$g" --output "$seeds/file/chart-$g.xls"
    if [ -x "$build/bench/picture_bench" ]; then
      QT_QPA_PLATFORM=offscreen "$build/bench/picture_bench" "$seeds/file/chart-$g.xls" "$seeds/picture/chart-$g.bmp" >/dev/null
    fi
  done
  for format in xls xlsx ods; do
    "$chart" --root "Seed" --generations 2 --output "$seeds/chart-$format/blank.$format"
    "$chart" --generations 3 --numbers --output "$seeds/chart-$format/numbered.$format"
    "$chart" --gedcom "$here/../tests/gedcom/files/pedigree.ged" --numbers --generations 4 \
      --output "$seeds/chart-$format/filled.$format" 2>/dev/null
  done
  # The parts the cells stand in, for the part fuzzers.
  mkdir -p "$seeds/chart-xlsx-part" "$seeds/chart-ods-part"
  for name in blank numbered filled; do
    python3 -c 'import sys, zipfile; sys.stdout.buffer.write(zipfile.ZipFile(sys.argv[1]).read(sys.argv[2]))' \
      "$seeds/chart-xlsx/$name.xlsx" xl/worksheets/sheet1.xml >"$seeds/chart-xlsx-part/$name.xml"
    python3 -c 'import sys, zipfile; sys.stdout.buffer.write(zipfile.ZipFile(sys.argv[1]).read(sys.argv[2]))' \
      "$seeds/chart-ods/$name.ods" content.xml >"$seeds/chart-ods-part/$name.xml"
  done
fi
for format in xls xlsx ods; do
  cp "$here/../tests/chart/chart-regressions/$format"-* "$seeds/chart-$format/" 2>/dev/null || true
done
chartKept="$here/../tests/chart/chart-corpus/inputs.tar.gz"
[ -f "$chartKept" ] && tar -xzf "$chartKept" -C "$seeds"
regressions="$here/../tests/spreadsheet/xls-regressions"
cp "$regressions"/file-* "$seeds/file/" 2>/dev/null || true
cp "$regressions"/stream-* "$seeds/stream/" 2>/dev/null || true
kept="$here/../tests/spreadsheet/xls-corpus/inputs.tar.gz"
[ -f "$kept" ] && tar -xzf "$kept" -C "$seeds"
cp "$here/../tests/gedcom/files"/*.ged "$seeds/gedcom/"
cp "$here/../tests/gedcom/regressions"/* "$seeds/gedcom/" 2>/dev/null || true
cp "$here/../tests/chart/picture-regressions"/* "$seeds/picture/" 2>/dev/null || true
ls -l "$seeds/file" "$seeds/stream" "$seeds/gedcom" "$seeds/picture" "$seeds"/chart-*
