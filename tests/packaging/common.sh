# Shared by the package's test scripts: a missing tool skips the test with
# a message (ctest counts status 77 as skipped); a fault fails it.
skip() { echo "SKIPPED: $*"; exit 77; }
fail() { echo "FAIL: $*"; exit 1; }
need() {
  local tool
  for tool in "$@"; do
    command -v "$tool" >/dev/null || skip "$tool is not installed (make test installs it)"
  done
}
