#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command with a throw-away PostgreSQL cluster: initdb in a temporary folder, run by an
# unprivileged user (PostgreSQL refuses root), listening only on a Unix socket in that folder.
# The command finds it in TESSARY_HOF_TEST_PG, and its data folder (whose postmaster.pid names
# the server, to stop it as a stalled machine would be) in TESSARY_HOF_TEST_PG_DATA. Exit 77 (skipped) when PostgreSQL is missing.
#
#   with_postgres.sh COMMAND [ARGS...]
set -euo pipefail
pg_bin=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -n 1)
if [ -z "$pg_bin" ] || [ ! -x "$pg_bin/initdb" ]; then
    echo "SKIPPED: PostgreSQL is not installed (scripts/install-deps.sh installs postgresql)"
    exit 77
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/hof-pg.XXXXXX")
chmod 755 "$work"
mkdir "$work/data" "$work/socket"
as_owner=()
if [ "$(id -u)" = 0 ]; then
    chown -R nobody "$work"
    as_owner=(runuser -u nobody --)
fi
pg() { (cd "$work" && "${as_owner[@]}" "$@"); }
stop() {
    pg "$pg_bin/pg_ctl" -D "$work/data" -m immediate stop >/dev/null 2>&1 || true
    rm -rf "$work"
}
trap stop EXIT

pg "$pg_bin/initdb" -D "$work/data" -U hof --auth=trust -E UTF8 --locale=C >"$work/initdb.log" 2>&1 || {
    cat "$work/initdb.log" >&2
    exit 1
}
pg "$pg_bin/pg_ctl" -D "$work/data" -l "$work/server.log" -w -t 30 \
    -o "-k $work/socket -c listen_addresses='' -c fsync=off" start >/dev/null || {
    cat "$work/server.log" >&2
    exit 1
}
export TESSARY_HOF_TEST_PG="postgresql://hof@/postgres?host=$work/socket"
export TESSARY_HOF_TEST_PG_DATA="$work/data"
echo "PostgreSQL $("$pg_bin/postgres" --version | awk '{print $3}') running in $work"
"$@"
