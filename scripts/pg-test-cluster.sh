#!/usr/bin/env bash
# A throw-away PostgreSQL cluster on loopback for the engine tests.
#   pg-test-cluster.sh start DIR [PORT]  -> prints the connection string on stdout
#   pg-test-cluster.sh stop DIR
set -euo pipefail
cmd=${1:?start or stop}
dir=${2:?cluster folder}
port=${3:-55432}
BIN=$(ls -d /usr/lib/postgresql/*/bin | sort -V | tail -1)

case "$cmd" in
start)
  mkdir -p "$dir"
  dir=$(cd "$dir" && pwd)
  # initdb refuses root: the cluster belongs to postgres, which must reach the folder.
  p="$dir"
  while [ "$p" != "/" ]; do p=$(dirname "$p"); chmod o+x "$p" 2>/dev/null || true; done
  chown postgres: "$dir"
  if [ ! -f "$dir/data/PG_VERSION" ]; then
    runuser -u postgres -- "$BIN/initdb" -D "$dir/data" -U postgres -A trust -E UTF8 --locale=C.UTF-8 >"$dir/initdb.log" 2>&1
  fi
  runuser -u postgres -- "$BIN/pg_ctl" -D "$dir/data" -l "$dir/server.log" -w start \
    -o "-c listen_addresses=127.0.0.1 -p $port -k $dir -c fsync=off -c full_page_writes=off" >/dev/null
  echo "Provider=PostgreSQL;Data Source=127.0.0.1;Port=$port;Initial Catalog=postgres;User ID=postgres;Password=;"
  ;;
stop)
  if [ -f "$dir/data/postmaster.pid" ]; then
    runuser -u postgres -- "$BIN/pg_ctl" -D "$dir/data" -m fast -w stop >/dev/null || true
  fi
  ;;
*)
  echo "usage: $0 start|stop DIR [PORT]" >&2; exit 2 ;;
esac
