#!/usr/bin/env bash
# Builds and runs the benchmarks (not part of the test command), headless: the windows draw
# on Qt's offscreen platform, so no display is needed. Each benchmark prints one table.
# The first run writes a large shop (100,000 copies, 2,000,000 lines) and a small one (1/100)
# into /var/tmp/rentora-bench (RENTORA_BENCH_DIR), which takes a few minutes; later runs reuse
# them. Name benchmarks to run only those: ./scripts/bench.sh bench_grid bench_report
# bench_counter_server writes both shops onto a throw-away PostgreSQL cluster that this script
# starts (scripts/pg-test-server.sh, needs root or the postgres user) and stops again.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
./scripts/build.sh >/dev/null
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
dir=${RENTORA_BENCH_DIR:-/var/tmp/rentora-bench}
large=$dir/large.MDB
small=$dir/small.MDB

# name | what it measures | arguments
benchmarks=(
  "bench_counter|counter actions and list windows, large and small shop|$large $small"
  "bench_counter_server|the same on a local PostgreSQL server|$large $small"
  "bench_grid|the data grid at 100,000 rows|"
  "bench_report|the report engine: generating, drawing, PDF|"
  "bench_rental|the rental desk's windows on the large shop|$large"
  "bench_stock|the stock and sales windows on the large shop|$large"
  "bench_reports|rental, overdue, member and ranking reports|$large"
  "bench_stocksales|stock report, sales summary and detail|$large"
  "bench_charts|the charts and the income and expense list|$large"
  "bench_backup|the data backup of the large shop|$large"
  "bench_open|opening the large shop's account: the checks before the first write|$large"
)

wanted=" $* "
needs_shops=0
for b in "${benchmarks[@]}"; do
  IFS='|' read -r name _ args <<<"$b"
  if [ $# -eq 0 ] || [[ $wanted == *" $name "* ]]; then
    [ -n "$args" ] && needs_shops=1
  fi
done
if [ $needs_shops = 1 ]; then
  mkdir -p "$dir"
  [ -f "$large" ] || ./build/tools/genshop "$large" --scale 1
  [ -f "$small" ] || ./build/tools/genshop "$small" --scale 0.01
fi

# A benchmark's report as a table: tables it prints itself pass through; every other line
# becomes a row "measure | result" of one table after them, split at the first run of two or
# more blanks, else at the first ": ".
as_table() {
  awk '
    function cell(s) { gsub(/\|/, "/", s); return s }
    /^[[:space:]]*$/ { if (intable) print ""; intable = 0; next }
    /^\|/ { print; intable = 1; next }
    {
      line = $0; sub(/^[[:space:]]+/, "", line); sub(/[[:space:]]+$/, "", line)
      if (match(line, /[[:space:]][[:space:]]+/)) {
        a = substr(line, 1, RSTART - 1); b = substr(line, RSTART + RLENGTH)
      } else if (match(line, /: /)) {
        a = substr(line, 1, RSTART - 1); b = substr(line, RSTART + 2)
      } else { a = line; b = "" }
      rows[++n] = "| " cell(a) " | " cell(b) " |"
    }
    END {
      if (n == 0) exit
      if (intable) print ""
      print "| measure | result |"; print "|---|---|"
      for (i = 1; i <= n; i++) print rows[i]
    }'
}

# The server benchmark's cluster, started only when it runs.
server_dir=""
stop_server() { [ -z "$server_dir" ] || ./scripts/pg-test-server.sh stop "$server_dir"; }
trap stop_server EXIT

status=0
for b in "${benchmarks[@]}"; do
  IFS='|' read -r name what args <<<"$b"
  if [ $# -gt 0 ] && [[ $wanted != *" $name "* ]]; then continue; fi
  echo
  echo "### $name: $what"
  echo
  program=(./build/bench/"$name")
  if [ "$name" = bench_counter_server ]; then
    eval "$(./scripts/pg-test-server.sh start)"
    server_dir=$RENTORA_TEST_PG_DIR
    program=(./build/bench/bench_counter --server "$RENTORA_TEST_PG")
  fi
  # shellcheck disable=SC2086
  if ! out=$("${program[@]}" $args 2>&1 | grep -v -e '^NOTICE:' -e 'propagateSizeHints'); then
    status=1
    echo "$out" | as_table
    echo "($name failed)"
    continue
  fi
  echo "$out" | as_table
done
exit $status
