#!/usr/bin/env bash
# A private Firebird 3 server for the tests and the multi-workstation demo:
# its own root, port, security database and aliases; no systemd.
#   fixture.sh start | stop | status | env | kill
# VALORAMA_FIXTURE_DIR (default: <repo>/.fixture) and VALORAMA_FIXTURE_PORT (default 3057).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
repo=$(dirname "$here")
D=${VALORAMA_FIXTURE_DIR:-$repo/.fixture}
PORT=${VALORAMA_FIXTURE_PORT:-3057}
. "$here/firebird-root.sh"
export FIREBIRD=$D/root FIREBIRD_LOCK=$D/lock FIREBIRD_TMP=$D/lock

pid_alive() { [ -f "$D/firebird.pid" ] && kill -0 "$(cat "$D/firebird.pid")" 2>/dev/null; }
port_open() { (exec 3<>"/dev/tcp/127.0.0.1/$PORT") 2>/dev/null; }

make_root() {
  mkdir -p "$D/lock" "$D/templates" "$D/data"
  fb_make_root "$D/root" "$PORT"
  fb_write_aliases "$D/root" "" "$D/data/main.fdb" "$D/data/interface.fdb"
  fb_make_security "$D/root"
}

create_db() { # file schema
  [ -f "$1" ] && return 0
  fb_create_database "127.0.0.1/$PORT:$1" "$2"
}

start() {
  if pid_alive && port_open; then return 0; fi
  if [ -f "$D/firebird.pid" ]; then
    echo "fixture: servidor anterior parado ou sem resposta; reiniciando" >&2
    stop_server
  fi
  make_root
  /usr/sbin/firebird > "$D/firebird.out" 2>&1 &
  echo $! > "$D/firebird.pid"
  for _ in $(seq 1 100); do port_open && break; sleep 0.1; done
  port_open || { echo "fixture: o servidor não abriu a porta $PORT" >&2; cat "$D/firebird.out" >&2; exit 1; }
  create_db "$D/templates/main.fdb" "$repo/sql/main_schema.sql"
  create_db "$D/templates/interface.fdb" "$repo/sql/interface_schema.sql"
  [ -f "$D/data/main.fdb" ] || cp "$D/templates/main.fdb" "$D/data/main.fdb"
  [ -f "$D/data/interface.fdb" ] || cp "$D/templates/interface.fdb" "$D/data/interface.fdb"
}

stop_server() {
  if [ -f "$D/firebird.pid" ]; then
    local pid; pid=$(cat "$D/firebird.pid")
    if kill -0 "$pid" 2>/dev/null; then
      kill "$pid" 2>/dev/null || true
      for _ in $(seq 1 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
      kill -9 "$pid" 2>/dev/null || true
    fi
    rm -f "$D/firebird.pid"
  fi
}

case "${1:-}" in
  start) start ;;
  stop) stop_server ;;
  kill) [ -f "$D/firebird.pid" ] && kill -9 "$(cat "$D/firebird.pid")" 2>/dev/null || true ;;  # a crash, for the fault tests
  status) if pid_alive && port_open; then echo "running on 127.0.0.1:$PORT (pid $(cat "$D/firebird.pid"))"; else echo "stopped"; exit 1; fi ;;
  env) echo "VALORAMA_FIXTURE_DIR=$D VALORAMA_FIXTURE_PORT=$PORT" ;;
  *) echo "usage: $0 start|stop|status|env|kill" >&2; exit 2 ;;
esac
