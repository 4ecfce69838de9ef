#!/usr/bin/env bash
# Runs one of the fuzzers on one core: "file" feeds whole .xls files to the
# workbook reader, "stream" bare workbook streams, "gedcom" GEDCOM files,
# "picture" sheet picture files, "chart-xls", "chart-xlsx" and "chart-ods"
# filled charts in each format to the reading of a chart back, "chart-xlsx-part"
# and "chart-ods-part" the XML part their cells stand in, packed around.
# Usage: [FUZZ_LOG_DIR=folder] fuzz/run-fuzzer.sh [SECONDS] [file|stream|gedcom|picture|chart-xls|chart-xlsx|chart-ods|chart-xlsx-part|chart-ods-part] [FUZZ_BUILD_FOLDER] [LIBFUZZER_OPTION...]
# (for example -max_len=65536 for inputs up to 64 KB)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
seconds=${1:-1800}
target=${2:-file}
build=$(cd "${3:-$here/../fuzz-build}" && pwd)
shift $(($# < 3 ? $# : 3))
case "$target" in
  file) fuzzer=xls_reader_fuzzer ;;
  stream) fuzzer=xls_stream_fuzzer ;;
  gedcom) fuzzer=gedcom_reader_fuzzer ;;
  picture) fuzzer=picture_fuzzer ;;
  chart-xls|chart-xlsx|chart-ods) fuzzer=chart_reader_fuzzer ;;
  chart-xlsx-part) fuzzer=chart_xlsx_part_fuzzer ;;
  chart-ods-part) fuzzer=chart_ods_part_fuzzer ;;
  *) echo "unknown fuzzer: $target (file, stream, gedcom, picture, chart-xls, chart-xlsx, chart-ods," \
          "chart-xlsx-part or chart-ods-part)" >&2; exit 2 ;;
esac
mkdir -p "$build/corpus/$target" "$build/findings/$target"
export LSAN_OPTIONS="suppressions=$here/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
# With -jobs libFuzzer writes its log as fuzz-0.log in the current folder.
cd "${FUZZ_LOG_DIR:-$build}"
exec "$build/$fuzzer" -jobs=1 -workers=1 -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 \
  -artifact_prefix="$build/findings/$target/" -print_final_stats=1 "$@" "$build/corpus/$target" "$build/seeds/$target"
