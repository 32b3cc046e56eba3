# SPDX-License-Identifier: GPL-3.0-or-later
# Starting and stopping tessary-hof for the tests, sourced by them. Needs $hof (the program)
# and $work (a temporary folder).

# start_hof DB [OPTIONS...]: starts the server on a free port of 127.0.0.1 and sets hof_pid and
# hof_url once it answers.
hof_starts=0
start_hof() {
    local db=$1 log port=""
    shift
    hof_starts=$((hof_starts + 1))
    log="$work/hof-$hof_starts.log"
    "$hof" --listen 127.0.0.1:0 --db "$db" "$@" 2>"$log" &
    hof_pid=$!
    for _ in $(seq 100); do
        port=$(sed -n 's/^tessary-hof: listening on 127.0.0.1 port \([0-9]*\)$/\1/p' "$log")
        [ -n "$port" ] && break
        kill -0 "$hof_pid" 2>/dev/null || break
        sleep 0.1
    done
    if [ -z "$port" ]; then
        echo "FAIL: tessary-hof did not start:" >&2
        cat "$log" >&2
        exit 1
    fi
    hof_url="http://127.0.0.1:$port"
}

# stop_hof: SIGTERM, as a service manager stops it; it must end cleanly within 10 s.
stop_hof() {
    local status=0
    kill -TERM "$hof_pid"
    for _ in $(seq 100); do
        kill -0 "$hof_pid" 2>/dev/null || break
        sleep 0.1
    done
    wait "$hof_pid" || status=$?
    hof_pid=""
    [ "$status" = 0 ] || {
        echo "FAIL: tessary-hof ended with status $status after SIGTERM" >&2
        exit 1
    }
}

stop_hof_on_exit() {
    if [ -n "${hof_pid:-}" ]; then
        kill "$hof_pid" 2>/dev/null || true
    fi
    rm -rf "$work"
}
