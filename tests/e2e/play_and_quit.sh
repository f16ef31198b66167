#!/usr/bin/env bash
# Plays the real game like a person: "Play", "Average", a few seconds of dodging,
# Escape, "Quit To Main Menu", then Escape held in the main menu to quit. The game
# must exit with 0, having saved the time dodged and the buttons clicked.
set -uo pipefail
game=$1 source_dir=$2

work=$(mktemp -d)
trap 'kill "$pid" 2>/dev/null; rm -rf "$work"' EXIT
cp -r "$source_dir/Assets" "$work/"
mkdir "$work/Data"
cd "$work"

fail() { echo "FAIL: $*"; cat game.log; exit 1; }

"$game" > game.log 2>&1 &
pid=$!
wid=$(timeout 30 xdotool search --sync --onlyvisible --name '^Vizovid$' | head -n 1)
[ -n "$wid" ] || fail "no window titled Vizovid"
# Without a window manager the window may open partly off the screen.
xdotool windowmove --sync "$wid" 0 0
xdotool windowfocus --sync "$wid"
sleep 1

# The game polls the button and keys once a frame: hold each press across frames.
click() {
    xdotool mousemove --window "$wid" "$1" "$2"
    sleep 0.2
    xdotool mousedown 1
    sleep 0.3
    xdotool mouseup 1
    sleep 0.5
}
hold() {
    xdotool keydown "$1"
    sleep "$2"
    xdotool keyup "$1"
    sleep 0.5
}

click 960 540    # "Play"
click 210 590    # "Average"
hold d 0.5
hold w 0.5
sleep 1
hold Escape 0.2  # the pause menu
click 960 890    # "Quit To Main Menu"
hold Escape 0.8  # quit from the main menu

for _ in $(seq 100); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$pid" 2>/dev/null && fail "the game is still running"
wait "$pid"
status=$?
[ "$status" -eq 0 ] || fail "exit status $status"

dodged=$(sed -n 1p Data/save.zn)
opened=$(sed -n 2p Data/save.zn)
died=$(sed -n 17p Data/save.zn)
clicks=$(sed -n 21p Data/save.zn)
awk -v t="$dodged" 'BEGIN { exit !(t >= 1.5 && t < 30) }' || fail "time dodged is $dodged"
[ "$opened" = 1 ] || fail "times opened is $opened"
[ "$died" = 0 ] || fail "leaving through the pause menu counted a death: $died"
[ "$clicks" -ge 3 ] || fail "buttons clicked is $clicks"
echo "play and quit: ok (dodged $dodged s, $clicks clicks)"
