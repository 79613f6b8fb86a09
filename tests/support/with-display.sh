#!/usr/bin/env bash
# Runs one GUI test process on an X server that no other test uses while it runs.
#
# Under ctest, TARVI_DISPLAY_POOL names a folder of servers kept for the whole run
# (display-pool.sh opens and closes it; FOLDER/open tells that it is open): the test takes the
# first free slot under a lock, starts that slot's server if it has none yet, and holds the lock
# until it ends. Xvfb resets itself when its last client leaves, so every test still starts on a
# server with no windows, grabs, focus, selections or root properties left and with the pointer
# back in the middle of the screen, as on a new one, without waiting for a new server each time.
#
# Without a pool (test discovery at build time, a test run by hand) the test gets a server of its
# own. Xvfb picks a free display number itself and reports it through -displayfd, so no two
# servers race for one.
set -u

# Starts Xvfb in the background and sets number to its display and server to its process id.
# The server keeps no descriptor of ours: it never holds a slot's lock (fd 9) nor ctest's pipes.
start_server() {
    local fifo
    fifo=$(mktemp -u)
    mkfifo "$fifo"
    Xvfb -displayfd 3 -screen 0 1600x1000x24 -nolisten tcp 3>"$fifo" </dev/null >/dev/null 2>&1 9>&- &
    server=$!
    read -r number < "$fifo"
    rm -f "$fifo"
}

# The start time of a process: with its id, it tells a pool's server from a later process that
# was given the same id.
started_at() {
    awk '{print $22}' "/proc/$1/stat" 2>/dev/null
}

pool=${TARVI_DISPLAY_POOL:-}
if [ -n "$pool" ] && [ -e "$pool/open" ]; then
    for ((slot = 0; ; ++slot)); do
        exec 9>"$pool/$slot.lock" || exit 1
        flock -n 9 && break
        exec 9>&-
    done
    number='' server='' started=''
    [ -e "$pool/$slot.server" ] && read -r number server started < "$pool/$slot.server"
    if [ -z "$server" ] || [ "$(started_at "$server")" != "$started" ]; then
        start_server
        echo "$number $server $(started_at "$server")" > "$pool/$slot.server"
    fi
    DISPLAY=":$number" "$@"
    exit $?
fi

start_server
DISPLAY=":$number" "$@"
status=$?
kill "$server" 2>/dev/null
wait "$server" 2>/dev/null
exit $status
