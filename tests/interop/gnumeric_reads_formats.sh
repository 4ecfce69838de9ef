#!/usr/bin/env bash
# Gnumeric's ssconvert reads a chart's .xlsx and .ods without a word of
# warning and finds the chart in each.
# Usage: gnumeric_reads_formats.sh KINLOOM_CHART GENERATIONS
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
command -v ssconvert >/dev/null 2>&1 || { echo "Gnumeric's ssconvert is not installed: skipped"; exit 77; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for extension in xlsx ods; do
  "$1" --generations "$2" --output "$work/chart.$extension"
  # Gnumeric keeps its settings under HOME: a folder of this run's own.
  HOME="$work" timeout 300 ssconvert --export-type=Gnumeric_XmlIO:sax "$work/chart.$extension" \
    "$work/$extension.gnumeric" 2> "$work/$extension.log"
  if [ -s "$work/$extension.log" ]; then
    echo "FAIL: ssconvert said while reading the .$extension:"; cat "$work/$extension.log"; exit 1
  fi
  /usr/bin/python3 "$here/check_chart_with_gnumeric.py" "$work/$extension.gnumeric" "$2" Halvarsen
done
