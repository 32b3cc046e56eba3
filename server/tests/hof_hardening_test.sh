#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real tessary-hof against what an open port meets, on 127.0.0.1 with bounded loops: a
# second server on its address, kept-alive and pipelined requests, requests hidden in bodies,
# header floods, slow and idle clients, deceptive names, forged log lines and a database file
# removed under it. Times are printed; only generous bounds are asserted.
#
#   hof_hardening_test.sh TESSARY_HOF
set -euo pipefail
hof=$1
here=$(dirname "$0")
raw() { timeout 30 python3 "$here/hof_raw_client.py" "$@"; }
work=$(mktemp -d "${TMPDIR:-/tmp}/hof-hardening.XXXXXX")
. "$here/hof_server.sh"
holders=()
cleanup() {
    for pid in "${holders[@]}"; do kill "$pid" 2>/dev/null || true; done
    stop_hof_on_exit
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}
get() { # get PATH_AND_QUERY: the status in $status, the body in $work/body
    status=$(curl -s -g -m 10 -o "$work/body" -w '%{http_code}' "$hof_url$1")
}
table() { curl -s -m 10 "$hof_url/api/scores?game=tess&limit=1000"; }
page=/games/puzhof.asp?game=tess
db=$work/hof.sqlite

start_hof "$db" --init
port=${hof_url##*:}
log=$work/hof-1.log

# A second server on the same address must not start and take half of the requests.
second=0
timeout 10 "$hof" --listen "127.0.0.1:$port" --db "$db" 2>"$work/second.log" || second=$?
[ "$second" != 0 ] && [ "$second" != 124 ] || fail "a second server started on port $port"

# Twenty requests on one kept-alive connection: no Nagle delay between them.
seconds=$(raw keepalive "$port" 20)
echo "20 kept-alive requests: $seconds s"
awk -v s="$seconds" 'BEGIN { exit !(s < 1.0) }' || fail "20 kept-alive requests took $seconds s"

# A submission hidden in the body of a GET, of a refused POST, and one sent with HEAD: none is
# stored, and the connection that announced a body ends after its reply.
hidden="GET $page&a=77&b=Hidden%20size=80 HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n"
length=$(printf "$hidden" | wc -c)
for method in GET POST; do
    printf "$method $page HTTP/1.1\r\nHost: 127.0.0.1\r\nContent-Length: $length\r\n\r\n$hidden" |
        raw send "$port" >"$work/reply"
    [ "$(grep -ac '^HTTP/1.1 ' "$work/reply")" = 1 ] || fail "the $method body was answered: $(cat "$work/reply")"
done
status=$(curl -s -m 10 -o /dev/null -w '%{http_code}' -I "$hof_url$page&a=78&b=Head%20size=80")
[ "$status" = 200 ] || fail "HEAD answered $status"
! table | grep -q 'Hidden\|Head' || fail "a hidden or HEAD submission was stored: $(table)"

# Header floods: too many lines, too many bytes.
for count in 100 20000; do
    answer=$(raw flood "$port" "$count")
    [ "$answer" = 431 ] || [ "$answer" = closed ] || fail "$count headers were answered $answer"
done

# Slow clients hold a socket each, not the server: pages are still answered.
timeout 30 python3 "$here/hof_raw_client.py" slow "$port" 64 8 >"$work/slow.out" &
holders+=($!)
for _ in $(seq 50); do grep -q open "$work/slow.out" && break; sleep 0.1; done
answered=0
for _ in $(seq 10); do
    [ "$(curl -s -m 3 -o /dev/null -w '%{http_code}' "$hof_url$page")" = 200 ] && answered=$((answered + 1))
done
echo "with 64 slow clients: $answered of 10 pages answered within 3 s"
[ "$answered" = 10 ] || fail "only $answered of 10 pages answered beside 64 slow clients"

# Names that show nothing or turn text around.
get "$page&a=50&b=%E2%80%8B%20size=80"
[ "$status" = 400 ] || fail "a zero-width name was answered $status"
get "$page&a=50&b=%E2%80%AE12345%20size=80"
[ "$status" = 400 ] || fail "a right-to-left override was answered $status"

# A line break in the address stays inside its own log line.
get "/x%0A2001-01-01T00:00:00Z%20203.0.113.9%20GET%20/forged%20200"
! grep -q '^2001-01-01' "$log" || fail "a forged log line: $(grep forged "$log")"
grep -q '^20[0-9-]*T[0-9:]*Z 127.0.0.1 GET /x%0A2001' "$log" || fail "no escaped log line: $(tail -3 "$log")"

# A database removed under the server acknowledges nothing and is not made again.
get "$page&a=60&b=Before%20size=80"
[ "$status" = 200 ] || fail "an entry was answered $status"
rm -f "$db" "$db-wal" "$db-shm"
get "$page&a=61&b=Lost%20size=80"
[ "$status" = 503 ] || fail "an entry into a removed database was answered $status"
! grep -q "Thank you" "$work/body" || fail "an entry into a removed database was acknowledged"
get "/healthz"
[ "$status" = 503 ] || fail "/healthz answered $status without a database"
[ ! -e "$db" ] || fail "the removed database was made again"

# A stop with idle connections open is not held up by them.
timeout 30 python3 "$here/hof_raw_client.py" idle "$port" 20 30 >"$work/idle.out" &
holders+=($!)
for _ in $(seq 50); do grep -q open "$work/idle.out" && break; sleep 0.1; done
start=$(date +%s%N)
stop_hof
ms=$((($(date +%s%N) - start) / 1000000))
echo "stopped with 20 idle connections in $ms ms"
[ "$ms" -lt 5000 ] || fail "the stop took $ms ms"
echo "PASS: tessary-hof hardening"
