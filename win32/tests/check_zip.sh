#!/usr/bin/env bash
# Builds the Windows zip from a build tree in a throwaway folder and checks
# that it holds the exe and the read-me, and nothing else.
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cpack --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" || { cat "$work/cpack.log"; exit 1; }
zip="$work/quimbel-1.00-win64.zip"
[ -f "$zip" ] || { echo "no $(basename "$zip"); cpack made: $(ls "$work")"; exit 1; }
contents=$(cd "$work" && cmake -E tar tf "$zip" | sort | tr '\n' ' ')
echo "$(basename "$zip"): $contents($(stat -c %s "$zip") bytes)"
[ "$contents" = "LISEZMOI.txt quimbel.exe " ] || { echo "unexpected contents"; exit 1; }
