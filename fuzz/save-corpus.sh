#!/usr/bin/env bash
# Keeps the fuzzers' findings with the tests: merges the inputs kept so far
# (tests/spreadsheet/xls-corpus/inputs.tar.gz, and the chart reader's in
# tests/chart/chart-corpus/), the seeds and the corpus the fuzzers grew into
# the smallest set that covers as much, packs it again, and records the
# outcome of every input, which the spreadsheet and chart tests then check
# on every run; only the workbook reader's ("xls") or only the chart
# reader's ("chart") where asked.
# Usage: fuzz/save-corpus.sh [FUZZ_BUILD_FOLDER] [KINLOOM_BUILD_FOLDER] [all|xls|chart]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
fuzz=$(cd "${1:-$here/../fuzz-build}" && pwd)
build=$(cd "${2:-$here/../build}" && pwd)
which=${3:-all}
kept=$here/../tests/spreadsheet/xls-corpus
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export LSAN_OPTIONS="suppressions=$here/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
if [ "$which" != chart ]; then
mkdir -p "$work/kept"
[ -f "$kept/inputs.tar.gz" ] && tar -xzf "$kept/inputs.tar.gz" -C "$work/kept"
for kind in file stream; do
  case "$kind" in file) fuzzer=xls_reader_fuzzer ;; stream) fuzzer=xls_stream_fuzzer ;; esac
  mkdir -p "$work/merged/$kind"
  sources=()
  for folder in "$work/kept/$kind" "$fuzz/seeds/$kind" "$fuzz/corpus/$kind"; do
    [ -d "$folder" ] && sources+=("$folder")
  done
  "$fuzz/$fuzzer" -merge=1 -rss_limit_mb=2048 -timeout=10 "$work/merged/$kind" "${sources[@]}" 2>"$work/merge-$kind.log" ||
    { tail -n 20 "$work/merge-$kind.log"; exit 1; }
done
mkdir -p "$kept"
tar --sort=name --mtime=@0 --owner=0 --group=0 --numeric-owner -C "$work/merged" -cf - file stream | gzip -n -9 >"$kept/inputs.tar.gz"
KINLOOM_RECORD_CORPUS=1 "$build/tests/spreadsheet/spreadsheet_tests" --gtest_filter='XlsCorpus.*'
ls -l "$kept"
fi
[ "$which" = xls ] && exit 0

# The chart reader's inputs, each format apart.
chartKept=$here/../tests/chart/chart-corpus
mkdir -p "$work/chart-kept"
[ -f "$chartKept/inputs.tar.gz" ] && tar -xzf "$chartKept/inputs.tar.gz" -C "$work/chart-kept"
# What the part fuzzers grew goes in as whole workbooks, packed as they pack it.
for format in xlsx ods; do
  [ -d "$fuzz/corpus/chart-$format-part" ] || continue
  mkdir -p "$work/parts/chart-$format"
  /usr/bin/python3 "$here/pack-parts.py" "$format" "$fuzz/corpus/chart-$format-part" "$work/parts/chart-$format"
done
for kind in chart-xls chart-xlsx chart-ods; do
  mkdir -p "$work/chart-merged/$kind"
  sources=()
  for folder in "$work/chart-kept/$kind" "$fuzz/seeds/$kind" "$fuzz/corpus/$kind" "$work/parts/$kind"; do
    [ -d "$folder" ] && sources+=("$folder")
  done
  "$fuzz/chart_reader_fuzzer" -merge=1 -rss_limit_mb=2048 -timeout=10 "$work/chart-merged/$kind" "${sources[@]}" \
    2>"$work/merge-$kind.log" || { tail -n 20 "$work/merge-$kind.log"; exit 1; }
done
mkdir -p "$chartKept"
tar --sort=name --mtime=@0 --owner=0 --group=0 --numeric-owner -C "$work/chart-merged" -cf - chart-xls chart-xlsx chart-ods |
  gzip -n -9 >"$chartKept/inputs.tar.gz"
KINLOOM_RECORD_CORPUS=1 "$build/tests/chart/chart_tests" --gtest_filter='ChartCorpus.*'
ls -l "$chartKept"
