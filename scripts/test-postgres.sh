#!/bin/sh
# Starts or stops a throw-away PostgreSQL server for the register's tests:
#   test-postgres.sh start DIR    initdb into DIR/data, listen on a unix socket in DIR/socket only
#   test-postgres.sh stop DIR     stop it and remove DIR
# The server trusts local connections (user postgres). PostgreSQL refuses to run as root, so as
# root it runs as the postgres user, in folders that user owns.
set -eu

action=$1
dir=$2

bindir=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -n 1)
if [ -z "$bindir" ] || [ ! -x "$bindir/pg_ctl" ]; then
    echo "test-postgres.sh: PostgreSQL is not installed (Debian package postgresql)" >&2
    exit 1
fi

as_owner() {
    if [ "$(id -u)" -eq 0 ]; then
        runuser -u postgres -- "$@"
    else
        "$@"
    fi
}

case "$action" in
start)
    # A server left by an interrupted run goes first.
    if [ -f "$dir/data/postmaster.pid" ]; then
        as_owner "$bindir/pg_ctl" -D "$dir/data" -m immediate stop >/dev/null 2>&1 || true
    fi
    rm -rf "$dir"
    mkdir -p "$dir/data" "$dir/socket"
    chmod 755 "$dir"
    chmod 777 "$dir/socket"
    if [ "$(id -u)" -eq 0 ]; then
        chown postgres "$dir/data" "$dir/socket"
    fi
    as_owner "$bindir/initdb" -D "$dir/data" -U postgres --auth=trust -E UTF8 --no-sync \
        >"$dir/initdb.log" 2>&1 || { cat "$dir/initdb.log" >&2; exit 1; }
    as_owner "$bindir/pg_ctl" -D "$dir/data" -w -t 60 -l "$dir/data/server.log" \
        -o "-k $dir/socket -c listen_addresses= -c fsync=off" start >/dev/null ||
        { cat "$dir/data/server.log" >&2; exit 1; }
    echo "test-postgres.sh: server running, socket in $dir/socket"
    ;;
stop)
    if [ -f "$dir/data/postmaster.pid" ]; then
        as_owner "$bindir/pg_ctl" -D "$dir/data" -m fast -w stop >/dev/null
    fi
    rm -rf "$dir"
    ;;
*)
    echo "usage: test-postgres.sh start|stop DIR" >&2
    exit 64
    ;;
esac
