#!/usr/bin/env bash
# Installs what a fresh Debian 12 machine lacks to build, test and package
# QUIMBEL, plus any packages named as arguments. Does nothing (quickly) when
# everything is already there.
set -euo pipefail

packages=(
  cmake ninja-build g++ clang-14 libclang-rt-14-dev clang-format
  qt6-base-dev fonts-dejavu-core
  xvfb xauth python3
  g++-mingw-w64-x86-64-posix wine wine64 fonts-wine
  dpkg-dev file desktop-file-utils lintian devscripts appstream
  "$@"
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
