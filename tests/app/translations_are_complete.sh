#!/usr/bin/env bash
# lupdate, run over every layer as a translator would, finds no text that
# the Norwegian Bokmål and German translations lack, and no form of a count
# (%n) that the English one lacks.
# Usage: translations_are_complete.sh LUPDATE PROJECT_ROOT
set -euo pipefail
lupdate=$1 root=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
for language in nb de en; do
  only=()
  [ "$language" = en ] && only=(-pluralonly)
  cp "$root/translations/kinloom_$language.ts" "$work/"
  (cd "$root" && "$lupdate" -silent -no-obsolete -locations none "${only[@]}" \
     files spreadsheet gedcom shell chart preview app -ts "$work/kinloom_$language.ts") >/dev/null
  missing=$(grep -c 'type="unfinished"' "$work/kinloom_$language.ts" || true)
  texts=$(grep -c '<source>' "$work/kinloom_$language.ts" || true)
  if [ "$missing" -ne 0 ]; then
    echo "kinloom_$language.ts: $missing of $texts texts untranslated:"
    grep -B3 'type="unfinished"' "$work/kinloom_$language.ts" | grep '<source>' | head -20
    status=1
  else
    echo "kinloom_$language.ts: all $texts texts translated"
  fi
done
exit $status
