#!/usr/bin/env bash
# Sets up, builds and runs the whole test suite headless: every test on an account file, the
# tests of the data layer, the desk, the sale, the stock, the settings and the reports a second
# time (NAME_pg) on a throw-away PostgreSQL server started for the run and stopped after it.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
./scripts/build.sh
./scripts/start-printer.sh || echo "test: no CUPS printer; printing tests fall back to PDF files"
eval "$(./scripts/pg-test-server.sh start)"
root=$PWD
trap '"$root/scripts/pg-test-server.sh" stop "$RENTORA_TEST_PG_DIR"' EXIT
cd build
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2 --timeout 600
