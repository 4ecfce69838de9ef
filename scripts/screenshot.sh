#!/usr/bin/env bash
# Takes a picture of Kinloom's main window on a virtual X display (Xvfb)
# with a fresh settings store, so it shows the first-start inputs.
# Usage: screenshot.sh <build folder> <output .png>
set -euo pipefail
build=${1:-build}
out=${2:-docs/main-window.png}
config=$(mktemp -d)
trap 'rm -rf "$config"' EXIT

xvfb-run -a -s "-screen 0 800x600x24" env XDG_CONFIG_HOME="$config" QT_QPA_PLATFORM=xcb bash -c '
  "$1" & app=$!
  sleep 1
  for _ in $(seq 30); do
    import -window Kinloom "$2" 2>/dev/null && break
    sleep 0.5
  done
  kill "$app"
  test -s "$2"
' _ "$build/app/kinloom" "$out"
echo "wrote $out"
