#!/usr/bin/env bash
# LibreOffice (headless) converts a chart's .xlsx and .ods to PDF with every
# box in place. Exits 77 (skipped) where LibreOffice is not installed.
# Usage: libreoffice_converts_formats.sh KINLOOM_CHART GENERATIONS
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
command -v libreoffice >/dev/null 2>&1 || { echo "LibreOffice is not installed: skipped"; exit 77; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$1" --generations "$2" --output "$work/open-xml.xlsx"
"$1" --generations "$2" --output "$work/open-document.ods"
timeout 300 libreoffice -env:UserInstallation="file://$work/profile" --headless --convert-to pdf \
  --outdir "$work/out" "$work/open-xml.xlsx" "$work/open-document.ods"
for name in open-xml open-document; do
  test -s "$work/out/$name.pdf" || { echo "FAIL: no PDF of $name"; exit 1; }
  /usr/bin/python3 "$here/count_boxes_in_pdf.py" "$work/out/$name.pdf" "$2"
done
