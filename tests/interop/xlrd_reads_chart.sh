#!/usr/bin/env bash
# Writes a chart with kinloom-chart and has xlrd check it.
# Usage: xlrd_reads_chart.sh KINLOOM_CHART GENERATIONS [ROOT_REPEAT]
# With ROOT_REPEAT the root name is that many CJK characters, a title far
# longer than one record holds.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
root="Halvarsen Æøå 漢字"
if [ -n "${3:-}" ]; then root=$(/usr/bin/python3 -c "print('漢' * $3, end='')"); fi
"$1" --root "$root" --generations "$2" --output "$work/chart.xls"
/usr/bin/python3 "$here/check_chart_with_xlrd.py" "$work/chart.xls" "$2" "$root"
