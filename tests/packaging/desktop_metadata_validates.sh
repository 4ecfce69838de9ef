#!/usr/bin/env bash
# The packaged desktop entry and metainfo pass their own validators.
# Usage: desktop_metadata_validates.sh UNPACKED_ROOT
set -euo pipefail
source "$(dirname "$0")/common.sh"
need desktop-file-validate appstreamcli
share=$1/usr/share
desktop-file-validate "$share/applications/kinloom.desktop" || fail "desktop entry"
appstreamcli validate --no-net "$share/metainfo/example.brenvik.Kinloom.metainfo.xml" || fail "metainfo"
