#!/usr/bin/env bash
# Builds the Debian package into FOLDER with CPack and unpacks it into
# FOLDER/root, for the tests that check it.
# Usage: make_package.sh CPACK_CONFIG FOLDER PACKAGE_FILE_NAME
set -euo pipefail
source "$(dirname "$0")/common.sh"
need dpkg-deb dpkg-shlibdeps file
config=$1 folder=$2 name=$3
rm -rf "$folder"
cpack --config "$config" -B "$folder"
[ -f "$folder/$name" ] || fail "no $name; CPack made: $(ls "$folder")"
dpkg-deb -x "$folder/$name" "$folder/root"
