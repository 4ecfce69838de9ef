#!/usr/bin/env bash
# A family file written from a filled chart is read by genealogy programs no
# one here wrote: Gramps imports it without an error or a warning, and its
# export holds the same people (names, years) and families (who with whom);
# libgedcom-perl's validation against the 5.5.1 grammar reports nothing.
# Each is skipped, saying why, where it is not installed; both missing exits
# 77 (skipped).
# Usage: genealogy_programs_read_family_file.sh KINLOOM_CHART PEDIGREE.ged
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$1" --gedcom "$2" --numbers --output "$work/chart.xlsx" 2>/dev/null
"$1" --chart "$work/chart.xlsx" --output "$work/family.ged"
checked=0
if command -v gramps >/dev/null 2>&1; then
  # Gramps keeps its trees and settings under HOME: a folder of this run's own.
  HOME="$work" LANG=C.UTF-8 timeout 300 gramps -y -C imported -i "$work/family.ged" -e "$work/export.ged" \
    >"$work/gramps.log" 2>&1 || { cat "$work/gramps.log"; echo "FAIL: Gramps could not import and export"; exit 1; }
  grep -q "GEDCOM import report: No errors detected" "$work/gramps.log" ||
    { cat "$work/gramps.log"; echo "FAIL: Gramps reported errors or warnings"; exit 1; }
  /usr/bin/python3 "$here/same_people_in_gedcom.py" "$work/family.ged" "$work/export.ged"
  checked=$((checked + 1))
else
  echo "Gramps is not installed: passed over"
fi
if /usr/bin/perl -MGedcom -e 1 2>/dev/null; then
  /usr/bin/perl -MGedcom -e '
    my $ged = Gedcom->new(grammar_version => "5.5.1", gedcom_file => $ARGV[0], read_only => 1);
    exit($ged->validate ? 0 : 1);' "$work/family.ged" >"$work/validate.log" 2>&1 ||
    { cat "$work/validate.log"; echo "FAIL: libgedcom-perl found the file invalid"; exit 1; }
  if [ -s "$work/validate.log" ]; then cat "$work/validate.log"; echo "FAIL: libgedcom-perl reported"; exit 1; fi
  checked=$((checked + 1))
else
  echo "libgedcom-perl is not installed: passed over"
fi
[ "$checked" -gt 0 ] || exit 77
echo "read by $checked genealogy program(s)"
