#!/usr/bin/env bash
# Rebinds "up" with the keyboard alone: the main menu's "Settings", its "Controls",
# up's first key, then I. In a run I moves the player up; after a restart of the game
# I still does, and the controls file beside the save keeps it.
set -uo pipefail
game=$1 source_dir=$2
. "$(dirname "$0")/lib.sh"

press() {
    hold "$1" 0.15
}

# A run of Average with one key held, left through the pause menu; the main menu
# then saves the distance travelled (line 3 of the save).
run_holding() {
    click 960 540    # "Play"
    click 210 590    # "Average"
    hold "$1" 1
    hold Escape 0.2  # the pause menu
    click 960 890    # "Quit To Main Menu"
    sleep 1
}

enter_scratch_folder "$source_dir"
start_game "$game"
# The focus shows on "Play", then moves on to "Settings"; there "<", then "Controls";
# the controls screen opens with the focus on "<", then up's first key takes I.
for key in Down Down Down Down Return Down Down Return Down Return i; do
    press $key
done
grep -qx "up I Up" Data/controls.txt || fail "the controls file does not bind I: $(cat Data/controls.txt)"
press Escape  # back to the settings
press Escape  # back to the main menu
sleep 1

run_holding i
moved=$(saved 3)
awk -v d="$moved" 'BEGIN { exit !(d > 200) }' || fail "I did not move the player: $moved"
hold Escape 0.8  # quit from the main menu
expect_clean_exit

start_game "$game"
run_holding i
again=$(saved 3)
awk -v a="$again" -v m="$moved" 'BEGIN { exit !(a > m + 200) }' || fail "after a restart I moved $again - $moved"
hold Escape 0.8
expect_clean_exit
echo "controls: ok (I $moved, I again after a restart $again)"
