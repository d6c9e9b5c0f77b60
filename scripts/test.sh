#!/usr/bin/env bash
# Sets up, builds and runs the whole test suite headless.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
./scripts/build.sh
./scripts/start-printer.sh || echo "test: no CUPS printer; printing tests fall back to PDF files"
cd build
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2 --timeout 600
