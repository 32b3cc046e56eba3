# SPDX-License-Identifier: GPL-3.0-or-later
# Running the real nginx for the tests and the bench, sourced by them. Needs $work (a temporary
# folder); nginx lives in $work/nginx, as nobody when run as root.

# free_ports N: N free TCP ports of 127.0.0.1, on one line.
free_ports() {
    python3 -c '
import socket, sys
s = [socket.socket() for _ in range(int(sys.argv[1]))]
for x in s: x.bind(("127.0.0.1", 0))
print(*(x.getsockname()[1] for x in s))' "$1"
}

# prepare_nginx: makes $work/nginx, owned by the user nginx runs as; as_user runs a command as it.
nginx_pid=""
as_user=()
prepare_nginx() {
    mkdir -p "$work/nginx"
    if [ "$(id -u)" = 0 ]; then
        chmod 755 "$work"
        chown nobody "$work/nginx"
        as_user=(runuser -u nobody --)
    fi
}

# start_nginx WORKERS CONNECTIONS: nginx in the foreground serving $work/nginx/site.conf, its
# pid, logs and temporary files in $work/nginx; sets nginx_pid.
start_nginx() {
    cat >"$work/nginx/nginx.conf" <<CONF
pid $work/nginx/nginx.pid;
error_log $work/nginx/error.log;
worker_processes $1;
events { worker_connections $2; }
http {
    access_log off;
    client_body_temp_path $work/nginx/body;
    proxy_temp_path $work/nginx/proxy;
    fastcgi_temp_path $work/nginx/fastcgi;
    uwsgi_temp_path $work/nginx/uwsgi;
    scgi_temp_path $work/nginx/scgi;
    include $work/nginx/site.conf;
}
CONF
    "${as_user[@]}" "$(command -v nginx || echo /usr/sbin/nginx)" -p "$work/nginx" \
        -c "$work/nginx/nginx.conf" -e "$work/nginx/error.log" -g 'daemon off;' \
        2>"$work/nginx/stderr.log" &
    nginx_pid=$!
}

# stop_nginx: nginx's master, by its pid file (as root, $nginx_pid is runuser's), then the
# starter.
stop_nginx() {
    [ -n "$nginx_pid" ] || return 0
    local master
    master=$(cat "$work/nginx/nginx.pid" 2>/dev/null || true)
    [ -z "$master" ] || kill -TERM "$master" 2>/dev/null || true
    for _ in $(seq 50); do kill -0 "$nginx_pid" 2>/dev/null || break; sleep 0.1; done
    [ -z "$master" ] || kill -KILL "$master" 2>/dev/null || true
    kill -KILL "$nginx_pid" 2>/dev/null || true
    nginx_pid=""
}
