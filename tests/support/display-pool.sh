#!/usr/bin/env bash
# display-pool.sh open|close FOLDER: the X servers that the GUI tests of one ctest run share, a
# test at a time each (with-display.sh). Opening ends what a run that was cut short left behind
# and starts with no servers; closing ends them and says how much processor time they took.
set -u
action=$1
pool=$2
servers=0
ticks=0
for file in "$pool"/*.server; do
    [ -e "$file" ] || continue
    read -r number server started < "$file"
    # Only a server of the pool: a later process may have been given the same id.
    stat=$(cat "/proc/$server/stat" 2>/dev/null) || continue
    read -r -a fields <<< "${stat##*) }"
    [ "${fields[19]}" = "$started" ] || continue
    ticks=$((ticks + fields[11] + fields[12] + fields[13] + fields[14]))
    servers=$((servers + 1))
    kill "$server"
done
rm -rf "$pool"
if [ "$action" = open ]; then
    mkdir -p "$pool"
else
    awk -v n="$servers" -v t="$ticks" -v hz="$(getconf CLK_TCK)" \
        'BEGIN { printf "display pool: %d servers, %.2f s of processor time\n", n, t / hz }'
fi
