#!/usr/bin/env bash
# display-pool.sh open|close FOLDER: the X servers that the GUI tests of one ctest run share, a
# test at a time each (with-display.sh), while the file FOLDER/open exists. Opening ends what a
# run that was cut short left behind; closing ends the servers and says how much processor time
# they took. A server whose slot a test holds (another ctest run on the same build) is left to
# it, and the slots' lock files stay, so that no two tests ever lock different files of a slot.
set -u
action=$1
pool=$2
mkdir -p "$pool"
[ "$action" = close ] && rm -f "$pool/open"
servers=0
ticks=0
for file in "$pool"/*.server; do
    [ -e "$file" ] || continue
    exec 9>"${file%.server}.lock"
    flock -n 9 || continue
    read -r number server started < "$file"
    rm -f "$file"
    # Only a server of the pool: a later process may have been given the same id.
    if stat=$(cat "/proc/$server/stat" 2>/dev/null); then
        read -r -a fields <<< "${stat##*) }"
        if [ "${fields[19]}" = "$started" ]; then
            ticks=$((ticks + fields[11] + fields[12] + fields[13] + fields[14]))
            servers=$((servers + 1))
            kill "$server"
        fi
    fi
    exec 9>&-
done
if [ "$action" = open ]; then
    touch "$pool/open"
else
    awk -v n="$servers" -v t="$ticks" -v hz="$(getconf CLK_TCK)" \
        'BEGIN { printf "display pool: %d servers, %.2f s of processor time\n", n, t / hz }'
fi
exit 0
