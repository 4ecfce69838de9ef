#!/usr/bin/env bash
# Debian's package checker finds neither an error nor a warning; its notes
# are shown.
# Usage: lintian_accepts_package.sh PACKAGE.deb
set -euo pipefail
source "$(dirname "$0")/common.sh"
need lintian
lintian --fail-on error,warning --display-info --pedantic "$1" || fail "lintian found faults (above)"
