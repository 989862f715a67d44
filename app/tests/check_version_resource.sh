#!/usr/bin/env bash
# Compiles the version resource as a Windows build would, reads it back, and
# checks the fields that tell Windows what program this is.
set -euo pipefail
windres=$1
script=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$windres" --preprocessor=cpp --preprocessor-arg=-xc -i "$script" -o "$work/version.res"
"$windres" -i "$work/version.res" -O rc -o "$work/version.rc"

failed=0
expect() {
  if ! grep -qF -- "$1" "$work/version.rc"; then
    echo "missing from the compiled resource: $1"
    failed=1
  fi
}
expect 'LANGUAGE 12, 1'
expect 'FILEVERSION 1, 0, 0, 0'
expect 'PRODUCTVERSION 1, 0, 0, 0'
expect 'BLOCK "040C04B0"'
expect 'VALUE "FileVersion", "1.00"'
expect 'VALUE "ProductVersion", "1.00"'
expect 'VALUE "InternalName", "quimbel"'
expect 'VALUE "ProductName", "quimbel"'
expect 'VALUE "OriginalFilename", "quimbel.exe"'
expect 'VALUE "Translation", 0x40c, 1200'
# é is U+00E9, so the accents survived the code page.
expect 'Tous droits r\351serv\351s.'
if grep -q 'ICON' "$work/version.rc"; then
  echo "the program must have no icon of its own"
  failed=1
fi
[ "$failed" -eq 0 ] && echo "version resource: all fields as expected"
exit "$failed"
