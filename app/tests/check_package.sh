#!/usr/bin/env bash
# Builds the Debian package from a build tree and checks, in a throwaway
# folder, that it holds the program and its menu entry as they should be.
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cpack --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" || { cat "$work/cpack.log"; exit 1; }
deb="$work/quimbel_1.00_amd64.deb"
[ -f "$deb" ] || { echo "no $deb; cpack made: $(ls "$work")"; exit 1; }

failed=0
fail() { echo "$1"; failed=1; }
field() { dpkg-deb -f "$deb" "$1"; }

[ "$(field Package)" = quimbel ] || fail "package name: $(field Package)"
[ "$(field Version)" = 1.00 ] || fail "version: $(field Version)"
case "$(field Depends)" in
  *libqt6widgets6*) ;;
  *) fail "dependencies: $(field Depends)" ;;
esac
[ "$(field Recommends)" = fonts-dejavu-core ] || fail "recommends: $(field Recommends)"

dpkg-deb -x "$deb" "$work/root"
[ -x "$work/root/usr/bin/quimbel" ] || fail "no executable usr/bin/quimbel"
desktop="$work/root/usr/share/applications/quimbel.desktop"
if [ -f "$desktop" ]; then
  grep -qx 'Name=QUIMBEL' "$desktop" || fail "desktop entry: name"
  grep -qx 'Exec=quimbel' "$desktop" || fail "desktop entry: command"
  grep -q '^Comment=.*fréquences' "$desktop" || fail "desktop entry: French comment"
  grep -q '^Categories=.*Calculator;' "$desktop" || fail "desktop entry: category"
  grep -q '^Icon=' "$desktop" && fail "desktop entry: the program has no icon of its own"
  desktop-file-validate "$desktop" || fail "desktop entry does not validate"
else
  fail "no desktop entry"
fi
[ "$failed" -eq 0 ] && echo "package: $(basename "$deb") as expected"
exit "$failed"
