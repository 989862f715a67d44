#!/usr/bin/env bash
# Wine for QUIMBEL: its tests, its screenshot, or trying the exe by hand.
#   create PREFIX                      a fresh prefix holding Wine's "MS Sans Serif" and "Symbol"
#   test PREFIX DPI PROGRAM [ARGS...]  runs PROGRAM at DPI on a private X server
#   show PREFIX PROGRAM [ARGS...]      runs PROGRAM on this display
# Leaves no Wine process and no private X server behind.
set -euo pipefail
command=$1
export WINEPREFIX=$(realpath -m "$2") WINEDEBUG=-all WINEARCH=win64 WINEDLLOVERRIDES="mscoree,mshtml="
shift 2
wine=/usr/lib/wine/wine64
[ -x "$wine" ] || wine=wine
here=$(dirname "$0")

work=$(mktemp -d)
xvfb=""
finish() {
  wineserver -k 2>/dev/null || true
  wineserver -w 2>/dev/null || true
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null && wait "$xvfb" 2>/dev/null
  rm -rf "$work"
}
trap finish EXIT

if [ "$command" != show ]; then
  Xvfb -displayfd 5 -screen 0 1024x768x24 -nolisten tcp 5>"$work/display" 2>/dev/null &
  xvfb=$!
  # However long a loaded machine takes to start it, until it says its display or stops.
  until [ -s "$work/display" ]; do
    kill -0 "$xvfb" 2>/dev/null || { echo "Xvfb did not start" >&2; exit 1; }
    sleep 0.1
  done
  export DISPLAY=":$(cat "$work/display")"
fi

case $command in
create)
  # Only ever replaces a prefix this script made.
  if [ -e "$WINEPREFIX" ] && [ ! -e "$WINEPREFIX/.quimbel" ]; then
    echo "$WINEPREFIX exists and was not made here; not touching it" >&2
    exit 1
  fi
  rm -rf "$WINEPREFIX"
  "$wine" wineboot -i >/dev/null 2>&1
  touch "$WINEPREFIX/.quimbel"
  fonts="$WINEPREFIX/drive_c/windows/Fonts"
  cp /usr/share/wine/fonts/ms_sans_serif.ttf "$fonts/"
  python3 "$here/symbol_font.py" /usr/share/wine/fonts/symbol.ttf "$fonts/symbol.ttf"
  wineserver -w
  echo "Wine prefix ready: $WINEPREFIX"
  ;;
test)
  # Unmanaged windows: with no window manager, Wine waits for one on every hide.
  "$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
  "$wine" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
  shift
  "$wine" "$@"
  ;;
show)
  "$wine" "$@"
  ;;
esac
