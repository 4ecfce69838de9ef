#!/usr/bin/env bash
# Takes pictures of Kinloom's windows on a virtual X display (Xvfb) with a
# fresh settings store: the main window with the first-start inputs, then the
# preview of the 5-generation sample chart after a click on "Start Creating
# Template".
# Usage: screenshot.sh <build folder> <output folder>
set -euo pipefail
build=${1:-build}
out=${2:-docs}
config=$(mktemp -d)
trap 'rm -rf "$config"' EXIT
mkdir -p "$out"

xvfb-run -a -s "-screen 0 1024x900x24" env XDG_CONFIG_HOME="$config" TEMP="$config" QT_QPA_PLATFORM=xcb bash -c '
  "$1" & app=$!
  trap "kill $app 2>/dev/null" EXIT
  # import waits for a mouse click when the window is not there yet: find it first.
  main=$(timeout 30 xdotool search --sync --name "^Kinloom$" | head -1)
  sleep 1
  import -window "$main" "$2/main-window.png"
  xdotool mousemove --window "$main" 260 20 click 1   # Start Creating Template
  preview=$(timeout 30 xdotool search --sync --onlyvisible --name "^Preview$" | head -1)
  sleep 1
  import -window "$preview" "$2/preview-window.png"
  test -s "$2/main-window.png" && test -s "$2/preview-window.png"
' _ "$build/app/kinloom" "$out"
echo "wrote $out/main-window.png and $out/preview-window.png"
