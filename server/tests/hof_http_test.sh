#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real tessary-hof over real HTTP on 127.0.0.1: entries, the table, the JSON view, the
# refusals, the rate limit, and a restart that loses nothing.
#
#   hof_http_test.sh TESSARY_HOF sqlite|postgres
# "postgres" uses the database in TESSARY_HOF_TEST_PG (see with_postgres.sh).
set -euo pipefail
hof=$1
kind=$2
work=$(mktemp -d "${TMPDIR:-/tmp}/hof-http.XXXXXX")
. "$(dirname "$0")/hof_server.sh"
trap stop_hof_on_exit EXIT

case $kind in
sqlite) db="$work/hof.sqlite" ;;
postgres) db=${TESSARY_HOF_TEST_PG:?run through with_postgres.sh} ;;
*) echo "usage: $0 TESSARY_HOF sqlite|postgres" >&2; exit 2 ;;
esac

fail() {
    echo "FAIL: $*" >&2
    exit 1
}
# get PATH_AND_QUERY: the body in $work/body, the status in $status.
get() {
    status=$(curl -s -g -m 10 -o "$work/body" -w '%{http_code}' "$hof_url$1")
}
expect() { # expect STATUS TEXT: the last answer
    [ "$status" = "$1" ] || fail "status $status, expected $1; body: $(head -c 600 "$work/body")"
    grep -qF -- "$2" "$work/body" || fail "no \"$2\" in: $(cat "$work/body")"
}
page=/games/puzhof.asp?game=tess

# A mistyped database is refused rather than started empty.
! "$hof" --listen 127.0.0.1:0 --db "$work/typo.sqlite" 2>"$work/typo.log" ||
    fail "a missing database was started"
grep -qF -- "--init" "$work/typo.log" || fail "no hint at --init: $(cat "$work/typo.log")"

start_hof "$db" --init
get "/healthz"
expect 200 "ok"
get "$page"
expect 200 "No results yet"
grep -qF '<img src="data:image/png;base64,' "$work/body" || fail "the page has no inline icon"

# Entries as the game sends them: name and e-mail percent-encoded, the space before size= too.
get "$page&a=1250&b=Ann%20%26%20Bo%20size=80&c=ann%40mail.example"
expect 200 "Thank you, Ann &amp; Bo: a score of 1250 on 80 pieces is number 1."
get "$page&a=900&b=%3Cscript%3Ealert(1)%3C%2Fscript%3E%20size=20&c="
expect 200 '<tr class="you"><td class="number">2</td>'
grep -qF '&lt;script&gt;alert(1)&lt;/script&gt;' "$work/body" || fail "the name is not shown as text"
! grep -qF '<script>' "$work/body" || fail "a name reached the page as markup"
get "$page&a=1250&b=Ann%20%26%20Bo%20size=80&c=ann%40mail.example"
expect 200 "This entry was already made"
get "$page&a=40000&b=Cy%20size=2&c="
expect 400 "The score must be a whole number from 1 to 32767."
expect 400 "The number of pieces must be a whole number from 4 to 2500."
get "/games/puzhof.asp?game=triv"
expect 404 "There is no Hall of Fame for the game code"
get "/no/such/page"
expect 404 "There is no page at this address."
get "$page&a=5&b=$(printf 'x%.0s' $(seq 3000))%20size=80"
expect 414 "The address is longer than 2048 characters."
status=$(curl -s -m 10 -o "$work/body" -w '%{http_code}' -X POST --data 'a=1' "$hof_url$page")
expect 405 "Only GET requests are answered here."
get "/api/scores?game=tess&limit=5"
expect 200 '{"game":"tess","scores":[{"rank":1,"score":1250,"size":80,"name":"Ann \u0026 Bo","date":"'
! grep -q "mail.example" "$work/body" || fail "the e-mail left the server"
cp "$work/body" "$work/before.json"

# Three entries so far from this address (a refused one does not count); the 11th within a
# minute is turned away.
for i in $(seq 4 10); do
    get "$page&a=$i&b=Dee%20size=4&c="
    expect 200 "Thank you, Dee"
done
get "$page&a=11&b=Dee%20size=4&c="
expect 429 "Please wait a minute and try again."
get "$page"
expect 200 "Ann &amp; Bo"
get "/api/scores?game=tess&limit=1000"
[ "$(grep -o '"rank":' "$work/body" | wc -l)" = 9 ] || fail "expected 9 entries: $(cat "$work/body")"
cp "$work/body" "$work/all.json"

stop_hof
grep -q "^tessary-hof: stopped$" "$work/hof-1.log" || fail "no clean stop: $(cat "$work/hof-1.log")"
! grep -q "mail.example" "$work/hof-1.log" || fail "the log shows an e-mail"

# Started again on the same database: nothing was lost.
start_hof "$db"
get "/api/scores?game=tess&limit=1000"
cmp -s "$work/body" "$work/all.json" || fail "after a restart the table differs: $(cat "$work/body")"
get "$page&a=1250&b=Ann%20%26%20Bo%20size=80&c=ann%40mail.example"
expect 200 "This entry was already made"
stop_hof
echo "PASS: tessary-hof over HTTP with $kind"
