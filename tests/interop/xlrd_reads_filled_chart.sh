#!/usr/bin/env bash
# Charts with box texts, written by kinloom-chart and checked by xlrd: the
# chart itself as for a blank chart, then every box's text.
# Usage: xlrd_reads_filled_chart.sh KINLOOM_CHART
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
files="$here/../gedcom/files"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
check() {  # FILE GENERATIONS ROOT EXPECTED
  /usr/bin/python3 "$here/check_chart_with_xlrd.py" "$1" "$2" "$3" --fitted
  /usr/bin/python3 "$here/check_box_texts_with_xlrd.py" "$1" "$2" "$4"
}

# Numbers alone in a blank chart.
"$1" --numbers --generations 5 --output "$work/numbers.xls"
check "$work/numbers.xls" 5 Halvarsen numbers

# The first person's pedigree, as deep as it is known (4 generations), with
# numbers: collapse fills two boxes each with the same great-grandparents.
"$1" --gedcom "$files/pedigree.ged" --numbers --output "$work/filled.xls"
cat > "$work/filled.txt" <<'TEXTS'
1	1 Anna Hansdotter (1864–1945)
2	2 Hans Olsen (c. 1830–bef. 1900)
3	3 Kari Nilsdatter (b. 1835)
4	4 Ole Hansen (d. aft. 1870)
5	5 Marit Jørgensdatter
6	6 Nils Larsen (c. 1800–1870)
7	7 Ingrid Hansen (b. c. 1808)
8	8 Peder Hansen (1770–1840)
9	9 Berit Ås (b. c. 1775)
10	10
11	11
12	12
13	13
14	14 Peder Hansen (1770–1840)
15	15 Berit Ås (b. c. 1775)
TEXTS
check "$work/filled.xls" 4 "Anna Hansdotter" "$work/filled.txt"

# Another person by name, a count given, a title of one's own, no numbers.
"$1" --gedcom "$files/pedigree.ged" --person "hansen ole" --generations 2 --root "Hansen line" \
  --output "$work/person.xls"
printf '1\tOle Hansen (d. aft. 1870)\n2\tPeder Hansen (1770–1840)\n3\tBerit Ås (b. c. 1775)\n' > "$work/person.txt"
check "$work/person.xls" 2 "Hansen line" "$work/person.txt"
