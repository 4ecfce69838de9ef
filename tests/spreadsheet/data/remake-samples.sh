#!/usr/bin/env bash
# Remakes the committed workbooks the reader tests open: those of python3-xlwt
# (make_xlwt_samples.py) and one saved by LibreOffice Calc from the flat ODS
# file libreoffice.fods. Installs both writers when missing. Review the
# result with git diff before committing it.
# Usage: tests/spreadsheet/data/remake-samples.sh [xlwt|libreoffice]...
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
bash "$here/../../../scripts/install-deps.sh" samples
kinds=("$@")
[ ${#kinds[@]} -eq 0 ] && kinds=(xlwt libreoffice)
for kind in "${kinds[@]}"; do
  case "$kind" in
    xlwt) /usr/bin/python3 "$here/make_xlwt_samples.py" "$here" ;;
    libreoffice)
      work=$(mktemp -d)
      trap 'rm -rf "$work"' EXIT
      timeout 300 soffice -env:UserInstallation="file://$work/profile" --headless \
        --convert-to 'xls:MS Excel 97' --outdir "$work" "$here/libreoffice.fods"
      mv "$work/libreoffice.xls" "$here/libreoffice.xls" ;;
    *) echo "unknown kind of sample: $kind" >&2; exit 2 ;;
  esac
done
ls -l "$here"
