#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# How many requests a second tessary-hof answers on 127.0.0.1, measured with wrk, beside nginx
# serving a static copy of the same page in the same run: the table page and new entries (each
# with a name of its own), with 1, 8 and 64 clients, a new connection for every request
# ("Connection: close") or kept alive, on SQLite and PostgreSQL; then entries a second into a
# table of 100 and of 100,000 rows. Prints one table; about 4 minutes at 5 s a cell.
#
#   server/bench/hof_load.sh TESSARY_HOF [SECONDS_A_CELL]
#
# Build tessary-hof as Release for numbers worth comparing. Needs wrk, nginx, sqlite3 and
# PostgreSQL (scripts/install-deps.sh installs them); the PostgreSQL cluster is a throw-away
# one from server/tests/with_postgres.sh. The server runs with --rate 0 (no limit an address)
# and --trusted-proxy 127.0.0.1, which lifts the per-address connection limit for loopback
# as it does for a proxy in front, so that 64 clients from one address are all served.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
tests=$here/../tests
if [ -z "${TESSARY_HOF_TEST_PG:-}" ]; then
    exec "$tests/with_postgres.sh" "$0" "$@"
fi
hof=$(realpath "$1")
seconds=${2:-5}
for tool in wrk nginx sqlite3 psql; do
    command -v "$tool" >/dev/null || {
        echo "$tool is missing (scripts/install-deps.sh installs it)" >&2
        exit 1
    }
done
work=$(mktemp -d "${TMPDIR:-/tmp}/hof-bench.XXXXXX")
. "$tests/hof_server.sh"
. "$tests/nginx_run.sh"
cleanup() {
    stop_nginx
    stop_hof_on_exit
}
trap cleanup EXIT
page="/games/puzhof.asp?game=tess"
pg=$TESSARY_HOF_TEST_PG
table=$work/table
printf '%-34s %-9s %7s  %-10s %10s %8s\n' what store clients connection "requests/s" errors >"$table"

# cell WHAT STORE CLIENTS close|keep URL [SUBMIT_PREFIX]: one wrk run, one line of the table.
cell() {
    local what=$1 store=$2 clients=$3 connection=$4 url=$5 prefix=${6:-} args out rate errors
    args=(-t "$((clients < 2 ? 1 : 2))" -c "$clients" -d "${seconds}s" --timeout 5s)
    [ "$connection" = close ] && args+=(-H "Connection: close")
    [ -n "$prefix" ] && args+=(-s "$here/hof_submit.lua")
    echo "... $what, $store, $clients clients, $connection" >&2
    if [ -n "$prefix" ]; then
        out=$(wrk "${args[@]}" "$url" -- "$prefix")
    else
        out=$(wrk "${args[@]}" "$url")
    fi
    rate=$(awk '/^Requests\/sec:/ { printf "%.0f", $2 }' <<<"$out")
    # Answers other than 2xx/3xx, and connect, read, write and timeout errors.
    errors=$(awk '/Non-2xx/ { n += $NF } /Socket errors/ { gsub(",", ""); n += $4 + $6 + $8 + $10 }
        END { print n + 0 }' <<<"$out")
    printf '%-34s %-9s %7s  %-10s %10s %8s\n' "$what" "$store" "$clients" "$connection" \
        "${rate:-?}" "$errors" >>"$table"
}

# matrix WHAT STORE URL [SUBMIT_PREFIX]: 1, 8 and 64 clients, new and kept-alive connections.
matrix() {
    local clients connection
    for connection in close keep; do
        for clients in 1 8 64; do
            cell "$1" "$2" "$clients" "$connection" "$3" "${4:+$4${clients}${connection:0:1}}"
        done
    done
}

# fill STORE ROWS: an empty table, then ROWS entries, with the server stopped.
fill() {
    local store=$1 rows=$2
    if [ "$store" = sqlite ]; then
        rm -f "$work/hof.sqlite" "$work/hof.sqlite-wal" "$work/hof.sqlite-shm"
        db=$work/hof.sqlite
    else
        db=$pg
    fi
    start_hof "$db" --init
    stop_hof
    if [ "$store" = sqlite ]; then
        sqlite3 "$db" "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < $rows)
            INSERT INTO scores (game, score, size, name, email, created)
            SELECT 'tess', 1 + abs(random()) % 32767, 80, 'Filler' || i, '', strftime('%s', 'now')
            FROM n;"
    else
        # The counts' triggers update a count row per entry: in one bulk transaction that leaves
        # a dead version of it for each, which only a vacuum clears (entries one by one, as the
        # server makes them, are pruned as they go).
        psql -q -v ON_ERROR_STOP=1 "$pg" -c "TRUNCATE scores, score_counts, score_blocks;
            INSERT INTO scores (game, score, size, name, email, created)
            SELECT 'tess', 1 + (random() * 32766)::int, 80, 'Filler' || i, '',
                extract(epoch FROM now())::bigint FROM generate_series(1, $rows) i;" \
            -c "VACUUM ANALYZE scores, score_counts, score_blocks;"
    fi
}

# The server's page and entries, on a table of 1000 (the default --keep).
for store in sqlite postgres; do
    fill "$store" 1000
    start_hof "$db" --rate 0 --trusted-proxy 127.0.0.1
    [ -f "$work/page.html" ] || curl -s -m 10 -o "$work/page.html" "$hof_url$page"
    matrix "table page" "$store" "$hof_url$page"
    matrix "new entries" "$store" "$hof_url$page" "${store:0:1}"
    stop_hof
done

# nginx with the same page as a file: what this machine serves at best.
prepare_nginx
mkdir -p "$work/nginx/root"
cp "$work/page.html" "$work/nginx/root/page.html"
read -r nginx_port < <(free_ports 1)
cat >"$work/nginx/site.conf" <<EOF
server {
    listen 127.0.0.1:$nginx_port;
    root $work/nginx/root;
    location / { try_files /page.html =404; }
}
EOF
start_nginx auto 1024
for _ in $(seq 50); do
    curl -s -m 1 -o /dev/null "http://127.0.0.1:$nginx_port/" && break
    sleep 0.1
done
matrix "nginx, static page" - "http://127.0.0.1:$nginx_port$page"

# New entries into a full table (--keep as many as there are rows, so each is trimmed) and
# into one with room to grow (--keep 1000000), 8 kept-alive clients.
for store in sqlite postgres; do
    for rows in 100 100000; do
        for keep in "$rows" 1000000; do
            fill "$store" "$rows"
            start_hof "$db" --rate 0 --trusted-proxy 127.0.0.1 --keep "$keep"
            cell "entries, $rows rows, keep $keep" "$store" 8 keep "$hof_url$page" "${store:0:1}$rows"
            stop_hof
        done
    done
done

echo "tessary-hof: $hof; $seconds s a cell; $(nproc) cores; $(wrk -v 2>&1 | head -n 1 | cut -d' ' -f1-2);" \
    "$(nginx -v 2>&1 | cut -d' ' -f3)"
cat "$table"
