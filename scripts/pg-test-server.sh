#!/usr/bin/env bash
# A throw-away PostgreSQL cluster for the tests: a fresh cluster in a temporary folder owned by
# the postgres user, trust authentication, a Unix socket in its own folder and its own port, so
# it never meets a system cluster. Durability is off (fsync, synchronous_commit): nothing in it
# outlives the run.
#
#   scripts/pg-test-server.sh start [folder]   creates and starts a cluster; prints the settings
#                                              as shell assignments (eval "$(... start)")
#   scripts/pg-test-server.sh stop folder      stops it and removes the folder
#   scripts/pg-test-server.sh fixture-start folder / fixture-stop folder
#                                              the same for CTest's fixture: a server in the
#                                              given folder (port 5432: it listens on its own
#                                              socket folder only), unless the caller already
#                                              names one in RENTORA_TEST_PG
#
# The settings printed: RENTORA_TEST_PG (host=... port=... user=postgres, the address the tests
# create their databases on) and RENTORA_TEST_PG_DIR (the folder, for stop).
set -euo pipefail

PGBIN=${PGBIN:-/usr/lib/postgresql/15/bin}
as_postgres() {
  if [ "$(id -un)" = postgres ]; then "$@"; else runuser -u postgres -- "$@"; fi
}

stop_server() {
  local dir=$1
  if [ -d "$dir/data" ]; then
    as_postgres "$PGBIN/pg_ctl" -D "$dir/data" -m immediate -w stop >/dev/null 2>&1 || true
  fi
  case "$dir" in /tmp/rentora-pg*) rm -rf "$dir" ;; esac
}

# start_server folder port: a fresh cluster in folder, listening on its socket folder only.
start_server() {
  local dir=$1 port=$2
  # The server would inherit every open descriptor of its caller (a landing's lock file, a
  # ctest pipe) and hold it as long as it runs: only the standard ones go along.
  local fd
  for fd in $(ls /proc/$$/fd); do
    if [ "$fd" -gt 2 ]; then eval "exec $fd>&-" 2>/dev/null || true; fi
  done
  stop_server "$dir"
  mkdir -p "$dir/data" "$dir/socket"
  chown -R postgres:postgres "$dir"
  chmod 700 "$dir"
  as_postgres "$PGBIN/initdb" -D "$dir/data" -U postgres -A trust -E UTF8 --locale=C.UTF-8 \
    --no-sync >"$dir/initdb.log" 2>&1 || { cat "$dir/initdb.log" >&2; exit 1; }
  # One role asks for its password (the test of the password asked at the counter); every
  # other connects as trusted.
  printf '%s\n' 'local all rentora_password_test scram-sha-256' 'local all all trust' \
    >"$dir/data/pg_hba.conf"
  chown postgres:postgres "$dir/data/pg_hba.conf"
  as_postgres "$PGBIN/pg_ctl" -D "$dir/data" -l "$dir/server.log" -w -t 60 \
    -o "-p $port -k $dir/socket -c listen_addresses='' -c fsync=off -c synchronous_commit=off \
        -c full_page_writes=off -c max_connections=100" start >/dev/null \
    || { cat "$dir/server.log" >&2; exit 1; }
}

case "${1:-}" in
start)
  dir=${2:-$(mktemp -d /tmp/rentora-pg.XXXXXX)}
  start_server "$dir" 5432
  echo "export RENTORA_TEST_PG='host=$dir/socket port=5432 user=postgres'"
  echo "export RENTORA_TEST_PG_DIR='$dir'"
  ;;
stop)
  stop_server "${2:?"pg-test-server: stop needs the folder"}"
  ;;
fixture-start)
  if [ -n "${RENTORA_TEST_PG:-}" ]; then exit 0; fi
  start_server "${2:?"pg-test-server: fixture-start needs the folder"}" 5432
  ;;
fixture-stop)
  if [ -n "${RENTORA_TEST_PG:-}" ]; then exit 0; fi
  stop_server "${2:?"pg-test-server: fixture-stop needs the folder"}"
  ;;
*)
  echo "usage: $0 start [folder] | stop folder" >&2
  exit 2
  ;;
esac
