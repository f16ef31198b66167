#!/usr/bin/env bash
# Plays the real game like a person: "Play", "Average", a few seconds of dodging,
# Escape, "Quit To Main Menu", then Escape held in the main menu to quit. The game
# must exit with 0, having saved the time dodged and the buttons clicked.
set -uo pipefail
game=$1 source_dir=$2
. "$(dirname "$0")/lib.sh"

enter_scratch_folder "$source_dir"
start_game "$game"
click 960 540    # "Play"
click 210 590    # "Average"
hold d 0.5
hold w 0.5
sleep 1
hold Escape 0.2  # the pause menu
click 960 890    # "Quit To Main Menu"
hold Escape 0.8  # quit from the main menu
expect_clean_exit

awk -v t="$(saved 1)" 'BEGIN { exit !(t >= 1.5 && t < 30) }' || fail "time dodged is $(saved 1)"
[ "$(saved 2)" = 1 ] || fail "times opened is $(saved 2)"
[ "$(saved 17)" = 0 ] || fail "leaving through the pause menu counted a death: $(saved 17)"
[ "$(saved 21)" -ge 3 ] || fail "buttons clicked is $(saved 21)"
echo "play and quit: ok (dodged $(saved 1) s, $(saved 21) clicks)"
