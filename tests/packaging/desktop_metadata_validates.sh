#!/usr/bin/env bash
# The packaged desktop entry and metainfo pass their own validators.
# Usage: desktop_metadata_validates.sh UNPACKED_ROOT
set -euo pipefail
source "$(dirname "$0")/common.sh"
need desktop-file-validate appstreamcli
share=$1/usr/share
desktop-file-validate "$share/applications/kinloom.desktop" || fail "desktop entry"
appstreamcli validate --no-net "$share/metainfo/example.brenvik.Kinloom.metainfo.xml" || fail "metainfo"
# Every family file type the entry takes is one the shared MIME database knows,
# the zip form through the package's own definition.
for type in $(sed -n 's/^MimeType=//p' "$share/applications/kinloom.desktop" | tr ';' ' '); do
  grep -q "type=\"$type\"" /usr/share/mime/packages/*.xml "$share/mime/packages/kinloom.xml" ||
    fail "no MIME definition of $type"
done
grep -q 'pattern="\*.gdz"' "$share/mime/packages/kinloom.xml" || fail "the .gdz files are not named"
