#!/usr/bin/env bash
# Builds the Windows zip in a throwaway folder: it must hold the exe and the
# read-me only, the exe carry its French version block and import nothing but
# Windows' own DLLs.
set -euo pipefail
build=$1
objdump=$2
windres=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cpack --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" || { cat "$work/cpack.log"; exit 1; }
cd "$work"
cmake -E tar xf quimbel-1.00-win64.zip
echo "quimbel-1.00-win64.zip: $(ls | grep -v -e cpack.log -e _CPack -e '\.zip$' | tr '\n' ' ')"
[ "$(ls -d LISEZMOI.txt quimbel.exe | wc -l)" = 2 ] && [ "$(ls | wc -l)" -le 5 ] || exit 1
version=$("$windres" -i quimbel.exe -O rc)
for value in 'LANGUAGE 12, 1' '"FileVersion", "1.00"' '"OriginalFilename", "quimbel.exe"' \
  'L"Copyright \251 2026 QUIMBEL. Tous droits r\351serv\351s."' '"Translation", 0x40c, 1200'; do
  grep -qF "$value" <<<"$version" || { echo "version block lacks $value"; exit 1; }
done
dlls=$("$objdump" -p quimbel.exe | sed -n 's/^[[:space:]]*DLL Name: //p' | tr '\n' ' ')
echo "quimbel.exe ($(stat -c %s quimbel.exe) bytes) imports: $dlls"
for dll in $dlls; do
  case "${dll,,}" in kernel32.dll | user32.dll | gdi32.dll | uxtheme.dll | msvcrt.dll) ;; *) exit 1 ;; esac
done
