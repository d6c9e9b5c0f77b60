#!/usr/bin/env bash
# Sets up, builds and starts the program. The first start opens the sample account
# build/data/Sample.MDB; log in as 店长 with password 8888.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
./scripts/build.sh
exec ./build/rentora "$@"
