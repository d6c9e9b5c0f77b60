#!/usr/bin/env bash
# Builds and runs the benchmarks (not part of the test command). The first run writes a large
# shop (100,000 copies, 2,000,000 lines) and a small one (1/100) into /var/tmp/rentora-bench,
# which takes a few minutes; later runs reuse them.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
./scripts/build.sh
dir=${RENTORA_BENCH_DIR:-/var/tmp/rentora-bench}
mkdir -p "$dir"
[ -f "$dir/large.MDB" ] || ./build/tools/genshop "$dir/large.MDB" --scale 1
[ -f "$dir/small.MDB" ] || ./build/tools/genshop "$dir/small.MDB" --scale 0.01
./build/bench/bench_counter "$dir/large.MDB" "$dir/small.MDB"
./build/bench/bench_grid
./build/bench/bench_report
./build/bench/bench_reports "$dir/large.MDB"
./build/bench/bench_stocksales "$dir/large.MDB"
./build/bench/bench_charts "$dir/large.MDB"
./build/bench/bench_backup "$dir/large.MDB"
