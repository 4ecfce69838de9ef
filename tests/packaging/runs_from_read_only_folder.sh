#!/usr/bin/env bash
# The installed program works from a folder it cannot write: the windowed
# kinloom of the unpacked package, started (offscreen) by a user who cannot
# write the program's folder, builds a chart whose picture goes to the
# temporary folder, and leaves nothing behind in either folder.
# Root runs the program as 'nobody'; anyone else runs it from a copy made
# read-only.
# Usage: runs_from_read_only_folder.sh UNPACKED_ROOT PLAY_USER_LIBRARY
set -euo pipefail
source "$(dirname "$0")/common.sh"
need setpriv timeout
work=$(mktemp -d)
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
chmod 755 "$work"
cp -a "$1" "$work/root"
cp "$2" "$work/play_user.so"
mkdir "$work/home" "$work/tmp" "$work/runtime"
as_user=()
if [ "$(id -u)" -eq 0 ]; then
  id nobody >/dev/null 2>&1 || skip "there is no user 'nobody' to run the program as"
  chown nobody "$work/home" "$work/tmp" "$work/runtime"
  as_user=(setpriv --reuid=nobody --regid="$(id -g nobody)" --clear-groups)
  "${as_user[@]}" test -x "$work/root/usr/bin/kinloom" || skip "'nobody' cannot reach $work"
else
  chmod -R a-w "$work/root"
fi
chmod 700 "$work/runtime"
program_folder="$work/root/usr/bin"
if "${as_user[@]}" touch "$program_folder/probe" 2>/dev/null; then
  skip "the user can write the program's folder (a file system that ignores permissions?)"
fi
before=$(cd "$work/root" && find . -printf '%p %s %m\n' | sort)

status=0
output=$("${as_user[@]}" env -i PATH=/usr/bin:/bin HOME="$work/home" TMPDIR="$work/tmp" \
         XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=offscreen LD_PRELOAD="$work/play_user.so" \
         timeout 120 "$program_folder/kinloom" 2>&1) || status=$?
echo "$output"
[ "$status" -eq 0 ] || fail "kinloom ended with status $status"
grep -qx "preview: chart" <<<"$output" || fail "the preview did not show the chart"
# The one message box allowed: the visit to the maker's web site (one start
# in a hundred), which no offscreen program can open.
if grep "^message: " <<<"$output" | grep -v "No web browser could be started"; then
  fail "a message box was shown"
fi
grep "^created: " <<<"$output" | grep -vq "^created: halvar" ||
  fail "no picture was made in the temporary folder"
left=$(ls -A "$work/tmp")
[ -z "$left" ] || fail "left in the temporary folder: $left"
after=$(cd "$work/root" && find . -printf '%p %s %m\n' | sort)
[ "$before" = "$after" ] || fail "the program's folder changed: $(diff <(echo "$before") <(echo "$after"))"
echo "built a chart from a folder it cannot write, and left nothing behind"
