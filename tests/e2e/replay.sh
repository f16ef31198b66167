#!/usr/bin/env bash
# A run played by hand is recorded: "Play", "Average", a few seconds of steering
# with a pause in the middle, "Quit To Main Menu". The last-run replay must then
# play out exactly as it was played, and a damaged copy of it must be refused in
# one line, without a crash.
set -uo pipefail
game=$1 source_dir=$2
. "$(dirname "$0")/lib.sh"

enter_scratch_folder "$source_dir"
start_game "$game"
click 960 540    # "Play"
click 210 590    # "Average"
hold d 0.6
hold s 0.4
hold Escape 0.2  # the pause menu
click 960 440    # "Continue"
hold a 0.8
hold w 0.3
sleep 1
hold Escape 0.2
click 960 890    # "Quit To Main Menu"
hold Escape 0.8  # quit from the main menu
expect_clean_exit

last=Data/replays/last.vzr
[ -s "$last" ] || fail "no replay of the run"
"$game" --verify-replay "$last" > verify.log 2>&1 || fail "the replay does not play out: $(cat verify.log)"
head -c 200 "$last" > cut.vzr
"$game" --verify-replay cut.vzr > cut.log 2>&1
[ $? -eq 2 ] || fail "a cut replay was not refused: $(cat cut.log)"
[ "$(wc -l < cut.log)" -eq 1 ] || fail "a cut replay took more than a line: $(cat cut.log)"
echo "replay: ok ($(cat verify.log))"
