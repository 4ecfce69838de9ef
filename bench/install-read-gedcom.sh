#!/usr/bin/env bash
# Installs the GEDCOM benchmark's peer, read-gedcom on node, from the npm
# registry into the build folder, as bench/peers/read-gedcom pins it.
# Usage: install-read-gedcom.sh [BUILD_DIR]
set -euo pipefail
build=${1:-build}
here=$(cd "$(dirname "$0")" && pwd)
target="$build/bench/read-gedcom"
if ! command -v node >/dev/null || ! command -v npm >/dev/null; then
  echo "read-gedcom: node or npm is missing; the GEDCOM benchmark runs without this peer"
  exit 0
fi
mkdir -p "$target"
cp "$here/peers/read-gedcom/package.json" "$here/peers/read-gedcom/package-lock.json" \
   "$here/peers/read-gedcom/walk.js" "$target/"
(cd "$target" && npm ci --no-audit --no-fund --loglevel=error)
