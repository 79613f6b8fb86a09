#!/usr/bin/env bash
# Runs one GUI test process on an X server of its own. Tests running side by side then never
# share keyboard focus, pointer or stacking, and no two servers race for a display number:
# Xvfb picks a free one itself and reports it through -displayfd.
set -u
work=$(mktemp -d)
mkfifo "$work/display"
Xvfb -displayfd 3 -screen 0 1600x1000x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
server=$!
read -r number < "$work/display"
DISPLAY=":$number" "$@"
status=$?
kill "$server" 2>/dev/null
wait "$server" 2>/dev/null
rm -rf "$work"
exit $status
