#!/usr/bin/env bash
# Prints the DLLs an exe imports and fails on any that Windows does not ship.
set -euo pipefail
objdump=$1
exe=$2
dlls=$("$objdump" -p "$exe" | sed -n 's/^[[:space:]]*DLL Name: //p')
echo "$(basename "$exe") imports: $(echo $dlls)"
for dll in $dlls; do
  case "${dll,,}" in
    kernel32.dll | user32.dll | gdi32.dll | msvcrt.dll) ;;
    *) echo "not a Windows DLL: $dll"; exit 1 ;;
  esac
done
