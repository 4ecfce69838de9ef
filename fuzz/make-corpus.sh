#!/usr/bin/env bash
# Writes the fuzzer's seed corpus: workbooks from python3-xlwt (the reader
# tests' samples) and, once kinloom-chart has been built, charts of our own.
# Usage: fuzz/make-corpus.sh SEED_FOLDER [KINLOOM_BUILD_FOLDER]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
seeds=${1:?usage: make-corpus.sh SEED_FOLDER [BUILD_FOLDER]}
build=${2:-$here/../build}
mkdir -p "$seeds"
/usr/bin/python3 "$here/../tests/spreadsheet/make_xls_samples.py" "$seeds"
rm -f "$seeds"/*.stream
chart="$build/app/kinloom-chart"
if [ -x "$chart" ]; then
  for g in 1 2 3 4; do
    "$chart" --root "Seed $g" --generations "$g" --output "$seeds/chart-$g.xls"
  done
fi
# Inputs that once broke the reader start the search where it was.
cp "$here/../tests/spreadsheet/xls-regressions/"* "$seeds/" 2>/dev/null || true
ls -l "$seeds"
