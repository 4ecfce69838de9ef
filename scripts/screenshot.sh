#!/usr/bin/env bash
# Takes pictures of Kinloom's windows on a virtual X display (Xvfb) with a
# fresh settings store: the main window with the first-start inputs, then the
# preview of the 5-generation sample chart after a click on "Start Creating
# Template"; then, under the window manager openbox, the preview of a chart
# filled from the tests' family file (named on the command line, the person
# picked by typing), and the picture kinloom-chart draws of it.
# Usage: screenshot.sh <build folder> <output folder>
set -euo pipefail
build=${1:-build}
out=${2:-docs}
here=$(cd "$(dirname "$0")/.." && pwd)
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

family="$here/tests/gedcom/files/pedigree.ged"
rm -rf "${config:?}"/*
xvfb-run -a -s "-screen 0 1024x900x24" env XDG_CONFIG_HOME="$config" TEMP="$config" QT_QPA_PLATFORM=xcb bash -c '
  openbox & wm=$!
  sleep 1
  "$1" "$3" & app=$!
  trap "kill $app $wm 2>/dev/null" EXIT
  timeout 30 xdotool search --sync --onlyvisible --name "^Choose the Person" >/dev/null
  sleep 1
  xdotool type --delay 60 "olsen hans"
  xdotool key Return
  main=$(timeout 30 xdotool search --sync --onlyvisible --name "^pedigree.ged – Kinloom$" | head -1)
  sleep 1
  xdotool mousemove --window "$main" 260 20 click 1   # Start Creating Template
  preview=$(timeout 30 xdotool search --sync --onlyvisible --name "^Preview$" | head -1)
  sleep 1
  import -window "$preview" "$2/filled-preview.png"
  test -s "$2/filled-preview.png"
' _ "$build/app/kinloom" "$out" "$family"
"$build/app/kinloom-chart" --gedcom "$family" --person "Anna Hansdotter" --numbers \
  --output "$config/anna.xls" --picture "$out/filled-chart.png"
echo "wrote $out/filled-preview.png and $out/filled-chart.png"
