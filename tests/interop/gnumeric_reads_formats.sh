#!/usr/bin/env bash
# Gnumeric's ssconvert reads a chart's .xlsx and .ods without a word of
# warning, finds the chart in each, and finds in each what it finds in the
# .xls of the same chart, cell by cell and style by style.
# Usage: gnumeric_reads_formats.sh KINLOOM_CHART GENERATIONS
#        gnumeric_reads_formats.sh KINLOOM_CHART OPTIONS...  (any chart: compared with its .xls only)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
command -v ssconvert >/dev/null 2>&1 || { echo "Gnumeric's ssconvert is not installed: skipped"; exit 77; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
chart=$1
shift
if [ $# -eq 1 ]; then options=(--generations "$1"); else options=("$@"); fi
for extension in xls xlsx ods; do
  "$chart" "${options[@]}" --output "$work/chart.$extension"
  # Gnumeric keeps its settings under HOME: a folder of this run's own.
  HOME="$work" timeout 300 ssconvert --export-type=Gnumeric_XmlIO:sax "$work/chart.$extension" \
    "$work/$extension.gnumeric" 2> "$work/$extension.log"
  if [ -s "$work/$extension.log" ]; then
    echo "FAIL: ssconvert said while reading the .$extension:"; cat "$work/$extension.log"; exit 1
  fi
  if [ $# -eq 1 ] && [ "$extension" != xls ]; then
    /usr/bin/python3 "$here/check_chart_with_gnumeric.py" "$work/$extension.gnumeric" "$1" Halvarsen
  fi
done
for extension in xlsx ods; do
  /usr/bin/python3 "$here/compare_gnumeric_readings.py" "$work/xls.gnumeric" "$work/$extension.gnumeric"
done
