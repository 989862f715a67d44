#!/usr/bin/env bash
# Builds as packagers do, in a throwaway folder: first the plain Release build
# most users and distributions run, with no preset, where warnings stay
# warnings; then the Debian package with Debian's hardening flags, checked
# with Debian's own tools.
#   check_package.sh SOURCE VERSION
set -euo pipefail
source=$1
version=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export CMAKE_BUILD_PARALLEL_LEVEL=2

{ cmake -S "$source" -B "$work/release" -DCMAKE_BUILD_TYPE=Release && cmake --build "$work/release"; } \
  >"$work/release.log" 2>&1 || { tail -40 "$work/release.log"; exit 1; }
echo "plain Release build: no error; compiler warnings: $(grep -c 'warning:' "$work/release.log" || true)"

export DEB_BUILD_MAINT_OPTIONS=hardening=+all
CXXFLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)"
LDFLAGS=$(dpkg-buildflags --get LDFLAGS)
export CXXFLAGS LDFLAGS
{
  cmake -S "$source" -B "$work/build" -G Ninja -DCMAKE_BUILD_TYPE= -DBUILD_TESTING=OFF
  cmake --build "$work/build"
  cpack --config "$work/build/CPackConfig.cmake" -B "$work/out"
} >"$work/build.log" 2>&1 || { cat "$work/build.log"; exit 1; }
deb="$work/out/quimbel_${version}_amd64.deb"
[ -f "$deb" ] || { echo "no $(basename "$deb"); cpack made: $(ls "$work/out")"; exit 1; }

failed=0
fail() { echo "FAIL: $1"; failed=1; }
control=$(dpkg-deb -f "$deb" Version Depends)
[[ $control == *"Version: $version"* && $control == *libqt6widgets6* ]] || fail "control: $control"

echo "lintian:"
lintian --display-info --fail-on error,warning "$deb" || fail "lintian"

dpkg-deb -x "$deb" "$work/root"
# Debian 12's C runtime start files carry no CET marking, so no program built
# here has control-flow protection; and the only memcpy and memmove in the
# binary are libstdc++'s builtins, which _FORTIFY_SOURCE does not cover.
hardening-check --nocfprotection --nofortify "$work/root/usr/bin/quimbel" || fail "hardening-check"
appstreamcli validate --no-net "$work/root/usr/share/metainfo/org.quimbel.quimbel.metainfo.xml" ||
  fail "appstreamcli"
desktop-file-validate "$work/root/usr/share/applications/quimbel.desktop" || fail "desktop entry"
[ "$failed" -eq 0 ] && echo "package: $(basename "$deb") passes"
exit "$failed"
