#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real nginx, with the site example from packaging/ and a self-signed certificate, in front
# of the real tessary-hof on 127.0.0.1: pages and submissions over HTTPS, the player's address
# passed on by nginx alone, plain HTTP sent to HTTPS. Exit 77 (skipped) without nginx.
#
#   hof_nginx_test.sh TESSARY_HOF
set -euo pipefail
hof=$1
here=$(dirname "$0")
site=$here/../../packaging/tessary-hof.nginx
nginx=$(command -v nginx || echo /usr/sbin/nginx)
if [ ! -x "$nginx" ] || ! command -v openssl >/dev/null; then
    echo "SKIPPED: nginx or openssl is not installed (scripts/install-deps.sh installs them)"
    exit 77
fi
work=$(mktemp -d "${TMPDIR:-/tmp}/hof-nginx.XXXXXX")
. "$here/hof_server.sh"
. "$here/nginx_run.sh"
cleanup() {
    stop_nginx
    stop_hof_on_exit
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*" >&2
    [ -f "$work/nginx/error.log" ] && tail -5 "$work/nginx/error.log" >&2
    exit 1
}

start_hof "$work/hof.sqlite" --init --trusted-proxy 127.0.0.1
hof_port=${hof_url##*:}
log=$work/hof-1.log

# nginx runs as an ordinary user: as root, as nobody, in a folder of its own.
prepare_nginx
"${as_user[@]}" openssl req -x509 -newkey rsa:2048 -nodes -days 1 -subj /CN=127.0.0.1 \
    -addext subjectAltName=IP:127.0.0.1 -keyout "$work/nginx/key.pem" \
    -out "$work/nginx/cert.pem" 2>"$work/openssl.log" || fail "openssl: $(cat "$work/openssl.log")"
read -r http_port https_port < <(free_ports 2)

# The site as shipped, only its addresses, ports and certificate changed.
sed -e "s|^\( *listen\) 80;|\1 127.0.0.1:$http_port;|" \
    -e "s|^\( *listen\) 443 |\1 127.0.0.1:$https_port |" \
    -e '/listen \[::\]/d' \
    -e "s|server 127.0.0.1:8080;|server 127.0.0.1:$hof_port;|" \
    -e "s|ssl_certificate .*|ssl_certificate $work/nginx/cert.pem;|" \
    -e "s|ssl_certificate_key .*|ssl_certificate_key $work/nginx/key.pem;|" \
    "$site" >"$work/nginx/site.conf"
grep -q "127.0.0.1:$https_port ssl" "$work/nginx/site.conf" || fail "the site's listen lines changed"
start_nginx 1 64
https=https://127.0.0.1:$https_port
for _ in $(seq 100); do
    curl -s -m 1 -o /dev/null --cacert "$work/nginx/cert.pem" "$https/healthz" && break
    kill -0 "$nginx_pid" 2>/dev/null || fail "nginx did not start: $(cat "$work/nginx/stderr.log")"
    sleep 0.1
done

# A player on another loopback address, so that its address differs from the proxy's.
player=127.0.0.2
get() { # get PATH [CURL OPTIONS...]: the status in $status, the body in $work/body
    local path=$1
    shift
    status=$(curl -s -m 10 --cacert "$work/nginx/cert.pem" --interface "$player" \
        -o "$work/body" -w '%{http_code}' "$@" "$https$path")
}
page="/games/puzhof.asp?game=tess"

get /healthz
[ "$status" = 200 ] && grep -qx ok "$work/body" || fail "/healthz through nginx answered $status"
get "$page"
[ "$status" = 200 ] && grep -q "Hall of Fame" "$work/body" || fail "the page answered $status"

# A submission is stored, and logged under the player's address: the one nginx saw, not the
# one the player wrote in X-Forwarded-For.
get "$page&a=42&b=Proxied%20size=80&c=p%40example.org" -H "X-Forwarded-For: 203.0.113.9"
[ "$status" = 200 ] && grep -q "Thank you" "$work/body" || fail "the submission answered $status"
get "/api/scores?game=tess&limit=10"
grep -q '"Proxied"' "$work/body" || fail "the submission was not stored: $(cat "$work/body")"
grep -q "Z $player GET /games/puzhof.asp 200\$" "$log" || fail "no line for $player: $(tail -3 "$log")"
! grep -q 203.0.113.9 "$log" || fail "the player's own X-Forwarded-For was believed"

# Plain HTTP is sent to HTTPS.
status=$(curl -s -m 10 -o /dev/null -w '%{http_code} %{redirect_url}' "http://127.0.0.1:$http_port$page")
case "$status" in
"301 https://127.0.0.1/games/puzhof.asp?game=tess") ;;
*) fail "plain HTTP answered $status" ;;
esac
stop_hof
echo "PASS: tessary-hof behind nginx with TLS"
