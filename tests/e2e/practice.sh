#!/usr/bin/env bash
# With the boss fight unlocked and every attack reached: the keyboard alone opens
# "Practice" from the difficulty screen, starts "Laser sentries", pauses and quits to
# the main menu, then quits the game. The practice is kept as the last run and counts for
# nothing: the save is as it was but for the buttons pressed.
set -uo pipefail
game=$1 source_dir=$2
. "$(dirname "$0")/lib.sh"

enter_scratch_folder "$source_dir"
cp "$source_dir/tests/fuzz/corpus/boss-unlocked.zn" Data/save.zn
printf '4\n' > Data/practice.zn
start_game "$game"
cp Data/save.zn before.zn
key() { hold "$1" 0.15; }
key Down; key Return              # "Play"
key Down; key Up; key Return      # the focus on "Average", round to "Practice"
key Down; key Down; key Down; key Return # "Laser sentries"
sleep 2
hold Escape 0.2
key Down; key Down; key Down; key Down; key Return # "Quit To Main Menu"
hold Escape 0.8
expect_clean_exit
[ -s Data/replays/last.vzr ] || fail "no practice was kept"

changed=$(diff <(sed 21d before.zn) <(sed 21d Data/save.zn)) || fail "the practice changed the save: $changed"
echo "practice: ok"
