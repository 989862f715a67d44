#!/usr/bin/env bash
# Builds the Windows zip in a throwaway folder: it must hold the exe and the
# read-me only, the exe carry its French version block and import nothing but
# Windows' own DLLs.
#   check_zip.sh BUILD OBJDUMP WINDRES VERSION COPYRIGHT
set -euo pipefail
build=$1
objdump=$2
windres=$3
version=$4
# windres writes the copyright's Latin-1 letters as octal escapes.
copyright=$(python3 -c 'import sys; print("".join(c if ord(c) < 128 else "\\%o" % ord(c) for c in sys.argv[1]))' "$5")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cpack --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" || { cat "$work/cpack.log"; exit 1; }
cd "$work"
zip=quimbel-$version-win64.zip
cmake -E tar xf "$zip"
echo "$zip: $(ls | grep -v -e cpack.log -e _CPack -e '\.zip$' | tr '\n' ' ')"
[ "$(ls -d LISEZMOI.txt quimbel.exe | wc -l)" = 2 ] && [ "$(ls | wc -l)" -le 5 ] || exit 1
block=$("$windres" -i quimbel.exe -O rc)
for value in 'LANGUAGE 12, 1' "\"FileVersion\", \"$version\"" '"OriginalFilename", "quimbel.exe"' \
  "L\"$copyright\"" '"Translation", 0x40c, 1200'; do
  grep -qF "$value" <<<"$block" || { echo "version block lacks $value"; exit 1; }
done
dlls=$("$objdump" -p quimbel.exe | sed -n 's/^[[:space:]]*DLL Name: //p' | tr '\n' ' ')
echo "quimbel.exe ($(stat -c %s quimbel.exe) bytes) imports: $dlls"
for dll in $dlls; do
  case "${dll,,}" in kernel32.dll | user32.dll | gdi32.dll | uxtheme.dll | msvcrt.dll) ;; *) exit 1 ;; esac
done
