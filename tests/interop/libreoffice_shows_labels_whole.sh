#!/usr/bin/env bash
# A chart filled from a family file of long names, 7 generations with
# ancestor numbers, as LibreOffice prints it: every label whole on one line,
# none running past its box. Exits 77 (skipped) where LibreOffice or
# poppler-utils are not installed.
# Usage: libreoffice_shows_labels_whole.sh KINLOOM_CHART
set -euo pipefail
command -v libreoffice >/dev/null 2>&1 || { echo "LibreOffice is not installed: skipped"; exit 77; }
command -v pdftoppm >/dev/null 2>&1 || { echo "poppler-utils is not installed: skipped"; exit 77; }
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Person n's parents are 2n and 2n + 1; names of every length up to the
# longest a genealogy shows.
python3 - "$work/family.ged" "$work/labels.txt" <<'PY'
import sys
given = ["Kristoffer", "Marie-Louise Åsta", "Bjørn", "Ingeborg Wilhelmine", "Ola", "Sigrid Margrethe Anette"]
surnames = ["Bjørnstad-Halvorsen", "Kristoffersdatter", "Ås", "Wilhelmsen-Østergaard", "Nilsen"]
people = 127
with open(sys.argv[1], "w", encoding="utf-8") as ged, open(sys.argv[2], "w", encoding="utf-8") as labels:
    ged.write("0 HEAD\n1 GEDC\n2 VERS 5.5.1\n1 CHAR UTF-8\n")
    for n in range(1, people + 1):
        name = f"{given[n % len(given)]} {surnames[(n * 3) % len(surnames)]}"
        born = 1990 - 28 * n.bit_length() - n % 9
        ged.write(f"0 @I{n}@ INDI\n1 NAME {name.rsplit(' ', 1)[0]} /{name.rsplit(' ', 1)[1]}/\n"
                  f"1 BIRT\n2 DATE ABT {born}\n1 DEAT\n2 DATE BEF {born + 71}\n")
        if 2 * n + 1 <= people:
            ged.write(f"1 FAMC @F{n}@\n")
        labels.write(f"{n} {name} (c. {born}–bef. {born + 71})\n")
    for n in range(1, people // 2 + 1):
        ged.write(f"0 @F{n}@ FAM\n1 HUSB @I{2 * n}@\n1 WIFE @I{2 * n + 1}@\n")
    ged.write("0 TRLR\n")
PY
"$1" --gedcom "$work/family.ged" --numbers --output "$work/chart.xls"
timeout 300 libreoffice -env:UserInstallation="file://$work/profile" --headless --convert-to pdf \
  --outdir "$work/out" "$work/chart.xls" >/dev/null
test -s "$work/out/chart.pdf" || { echo "FAIL: no PDF"; exit 1; }
/usr/bin/python3 "$here/check_labels_in_pdf.py" "$work/out/chart.pdf" "$work/labels.txt"
