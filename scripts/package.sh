#!/usr/bin/env bash
# Builds the Debian package in one command: installs what the build needs, builds what the
# package holds (no tests, no benchmarks) in build-package/ for the prefix /usr, and runs CPack.
# The package's path is printed at the end: install it with sudo apt install ./<path>.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
launcher=()
if command -v ccache >/dev/null; then
  cc="env;CCACHE_BASEDIR=$(dirname "$PWD");CCACHE_NOHASHDIR=1;ccache"
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER="$cc" -DCMAKE_C_COMPILER_LAUNCHER="$cc")
fi
cmake -S . -B build-package -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DRENTORA_TESTS=OFF \
  -DCMAKE_INSTALL_PREFIX=/usr "${launcher[@]}" >/dev/null
cmake --build build-package -j"$(nproc)"
(cd build-package && cpack -G DEB >/dev/null)
ls -1 "$PWD"/build-package/rentora_*.deb
