#!/usr/bin/env bash
# Runs every benchmark against the build in $1 (default: build) and prints
# the figures with their ratios against the peers.
set -euo pipefail
build=${1:-build}
here=$(cd "$(dirname "$0")" && pwd)
"$build/bench/layout_bench" --benchmark_format=json --benchmark_out=/tmp/kinloom-layout-bench.json \
  --benchmark_out_format=json >/dev/null
python3 "$here/ratio.py" /tmp/kinloom-layout-bench.json BM_LayoutAndExecute BM_LayoutAndExecutePeerMap
echo
/usr/bin/python3 "$here/xls_bench.py" "$build/app/kinloom-chart"
echo
if [ -x "$build/bench/xlsxwriter_chart" ]; then
  /usr/bin/python3 "$here/xlsx_bench.py" "$build/app/kinloom-chart" "$build/bench/xlsxwriter_chart"
else
  echo "xlsx_bench: no libxlsxwriter peer (libxlsxwriter-dev was missing when the build was configured)"
fi
echo
/usr/bin/python3 "$here/gedcom_bench.py" "$build/app/kinloom-chart"
echo
/usr/bin/python3 "$here/gedcom_memory.py" "$build/app/kinloom-chart"
echo
/usr/bin/python3 "$here/chart_back_bench.py" "$build/app/kinloom-chart"
echo
/usr/bin/python3 "$here/picture_bench.py" "$build"
echo
"$build/bench/zoom_bench"
echo
"$build/bench/first_paint_bench"
echo
/usr/bin/python3 "$here/clipboard_bench.py" "$build"
echo
"$build/bench/click_bench" "$build/app/kinloom-chart"
echo
"$build/bench/typing_bench"
echo
"$build/bench/picker_bench"
