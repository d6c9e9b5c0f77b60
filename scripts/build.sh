#!/usr/bin/env bash
# Configures and builds into build/; the program is build/rentora, its data folder build/data/.
# ccache, when present, keeps compiled objects between builds and between checkouts of the
# repository (paths are hashed relative to the build folder).
set -euo pipefail
cd "$(dirname "$0")/.."
launcher=()
if command -v ccache >/dev/null; then
  cc="env;CCACHE_BASEDIR=$(dirname "$PWD");CCACHE_NOHASHDIR=1;ccache"
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER="$cc" -DCMAKE_C_COMPILER_LAUNCHER="$cc")
fi
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" >/dev/null
cmake --build build -j"$(nproc)"
