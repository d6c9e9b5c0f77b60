#!/usr/bin/env bash
# Builds the Debian package: installs what the build needs, builds (installation prefix /usr)
# and runs CPack. The package lands in build/, its name printed at the end.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
./scripts/build.sh
cmake -S . -B build -DCMAKE_INSTALL_PREFIX=/usr >/dev/null
(cd build && cpack -G DEB >/dev/null)
ls -1 build/rentora_*.deb
