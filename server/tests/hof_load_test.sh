#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Several hundred entries from parallel clients against the real tessary-hof: each good one
# stored exactly once, the server still answering, the requests per second reported.
#
#   hof_load_test.sh TESSARY_HOF HOF_LOAD_CLIENT
set -euo pipefail
hof=$1
client=$2
work=$(mktemp -d "${TMPDIR:-/tmp}/hof-load.XXXXXX")
. "$(dirname "$0")/hof_server.sh"
trap stop_hof_on_exit EXIT

# All clients come from 127.0.0.1, so the per-address limit is lifted here.
start_hof "$work/hof.sqlite" --init --rate 0
port=${hof_url##*:}
timeout 120 "$client" "$port" "${HOF_LOAD_CLIENTS:-8}" "${HOF_LOAD_ENTRIES:-50}"
status=$(curl -s -m 10 -o /dev/null -w '%{http_code}' "$hof_url/games/puzhof.asp?game=tess")
[ "$status" = 200 ] || { echo "FAIL: the page answers $status after the load" >&2; exit 1; }
stop_hof
