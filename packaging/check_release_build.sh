#!/usr/bin/env bash
# The build most users and distributions run, on a fresh copy of the sources:
# a plain Release build with no preset, where warnings stay warnings.
set -euo pipefail
source=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
export CMAKE_BUILD_PARALLEL_LEVEL=2
{
  cmake -S "$source" -B build -DCMAKE_BUILD_TYPE=Release && cmake --build build
} >build.log 2>&1 || { tail -40 build.log; exit 1; }
echo "plain Release build: $(grep -c 'warning:' build.log || true) warnings, no error"
