#!/usr/bin/env bash
# Writes the same chart as .xls and as .xlsx with kinloom-chart, and has
# openpyxl find in the .xlsx what xlrd finds in the .xls.
# Usage: openpyxl_reads_xlsx.sh KINLOOM_CHART KINLOOM_CHART_ARGUMENTS...
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
/usr/bin/python3 -c "import openpyxl" 2>/dev/null || { echo "python3-openpyxl is not installed: skipped"; exit 77; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
chart=$1; shift
"$chart" "$@" --output "$work/chart.xls"
"$chart" "$@" --output "$work/chart.xlsx"
/usr/bin/python3 "$here/check_xlsx_against_xls.py" "$work/chart.xls" "$work/chart.xlsx"
