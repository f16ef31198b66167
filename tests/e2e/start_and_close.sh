#!/usr/bin/env bash
# Starts the real game in a scratch folder, checks that the first start counted in
# the save file and opened a window of the screen's size, then closes the window
# like a user: the game must exit with 0 and leave the save file as it was.
set -uo pipefail
game=$1 close_window=$2 source_dir=$3

work=$(mktemp -d)
trap 'kill "$pid" 2>/dev/null; rm -rf "$work"' EXIT
cp -r "$source_dir/Assets" "$work/"
mkdir "$work/Data"
cd "$work"

fail() { echo "FAIL: $*"; exit 1; }

"$game" > game.log 2>&1 &
pid=$!

wid=$(timeout 30 xdotool search --sync --onlyvisible --name '^Vizovid$' | head -n 1)
[ -n "$wid" ] || fail "no window titled Vizovid"

# The main menu saves when it opens.
for _ in $(seq 100); do
    [ "$(sed -n 2p Data/save.zn 2>/dev/null)" = 1 ] && break
    sleep 0.1
done
[ "$(sed -n 2p Data/save.zn)" = 1 ] || fail "timesOpenedGame is '$(sed -n 2p Data/save.zn)', not 1"

screen=$(xwininfo -root | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}')
size=$(xwininfo -id "$wid" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}')
[ "$size" = "$screen" ] || fail "window is $size, screen is $screen"

before=$(sha256sum Data/save.zn)
"$close_window" "$wid" || fail "could not send WM_DELETE_WINDOW"
for _ in $(seq 100); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$pid" 2>/dev/null && fail "the game did not exit after its window was closed"
wait "$pid"
status=$?
[ "$status" -eq 0 ] || { cat game.log; fail "exit status $status"; }
[ "$(sha256sum Data/save.zn)" = "$before" ] || fail "closing the window changed the save file"
echo "start and close: ok"
