#!/usr/bin/env bash
# Converts a chart to PDF with LibreOffice: it must open the workbook as it is.
# Exits 77 (skipped) where LibreOffice is not installed.
# Usage: libreoffice_converts_chart.sh KINLOOM_CHART GENERATIONS
set -euo pipefail
command -v libreoffice >/dev/null 2>&1 || { echo "LibreOffice is not installed: skipped"; exit 77; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$1" --generations "$2" --output "$work/chart.xls"
timeout 300 libreoffice -env:UserInstallation="file://$work/profile" --headless --convert-to pdf \
  --outdir "$work/out" "$work/chart.xls"
test -s "$work/out/chart.pdf" || { echo "FAIL: no PDF"; exit 1; }
head -c 5 "$work/out/chart.pdf" | grep -q '%PDF-' || { echo "FAIL: not a PDF"; exit 1; }
# The title row carries no height set by hand; LibreOffice's own fit must
# still leave room for the 20 pt title.
timeout 300 libreoffice -env:UserInstallation="file://$work/profile" --headless --convert-to fods \
  --outdir "$work/out" "$work/chart.xls"
title_points=$(python3 "$(dirname "$0")/row_height_points.py" "$work/out/chart.fods" 2)
python3 -c "import sys; sys.exit(0 if $title_points >= 20 else 1)" \
  || { echo "FAIL: LibreOffice gives the title row $title_points pt"; exit 1; }
echo "OK: LibreOffice converted a $2-generation chart ($(stat -c %s "$work/out/chart.pdf") bytes of PDF)," \
  "title row $title_points pt"
