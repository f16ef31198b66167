#!/usr/bin/env bash
# Starts the real game in a scratch folder, checks that the first start counted in
# the save file and opened a window of the screen's size, then closes the window
# like a user: the game must exit with 0 and leave the save file as it was.
set -uo pipefail
game=$1 close_window=$2 source_dir=$3
. "$(dirname "$0")/lib.sh"

enter_scratch_folder "$source_dir"
start_game "$game"

# The main menu saves when it opens.
for _ in $(seq 100); do
    [ "$(saved 2 2>/dev/null)" = 1 ] && break
    sleep 0.1
done
[ "$(saved 2)" = 1 ] || fail "timesOpenedGame is '$(saved 2)', not 1"

screen=$(xwininfo -root | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}')
size=$(xwininfo -id "$wid" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}')
[ "$size" = "$screen" ] || fail "window is $size, screen is $screen"

before=$(sha256sum Data/save.zn)
"$close_window" "$wid" || fail "could not send WM_DELETE_WINDOW"
expect_clean_exit
[ "$(sha256sum Data/save.zn)" = "$before" ] || fail "closing the window changed the save file"
echo "start and close: ok"
