#!/usr/bin/env bash
# Makes the locales the language tests run under, in a folder of their own
# (LOCPATH), from the locales package's sources; no root needed. A locale that
# cannot be made is reported, and the tests that need it skip with the reason.
# Usage: make_locales.sh FOLDER LOCALE...
set -uo pipefail
folder=$1; shift
mkdir -p "$folder"
for locale in "$@"; do
  [ -d "$folder/$locale.UTF-8" ] && continue
  if ! command -v localedef >/dev/null; then echo "no localedef to make $locale"; continue; fi
  localedef -i "$locale" -f UTF-8 "$folder/$locale.UTF-8" 2>&1 || echo "cannot make $locale"
done
exit 0
