#!/usr/bin/env bash
# Runs the reader's fuzzer on one core.
# Usage: [FUZZ_LOG_DIR=folder] fuzz/run-fuzzer.sh [SECONDS] [FUZZ_BUILD_FOLDER]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
seconds=${1:-1800}
build=${2:-$here/../fuzz-build}
build=$(cd "$build" && pwd)
mkdir -p "$build/corpus" "$build/findings"
# With -jobs libFuzzer writes its log as fuzz-0.log in the current folder.
cd "${FUZZ_LOG_DIR:-$build}"
exec "$build/xls_reader_fuzzer" -jobs=1 -workers=1 -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 \
  -artifact_prefix="$build/findings/" -print_final_stats=1 "$build/corpus" "$build/seeds"
