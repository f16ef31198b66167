#!/usr/bin/env bash
# With the boss fight unlocked in the save: "Play", "DIE", a few seconds of the
# fight, Escape, "Quit To Main Menu", Escape held to quit. The save must count the
# attempt and the time spent dodging the Zev Azirid, and no other dodging.
set -uo pipefail
game=$1 source_dir=$2
. "$(dirname "$0")/lib.sh"

enter_scratch_folder "$source_dir"
# A first start's save with line 14, the boss fight, unlocked.
cp "$source_dir/tests/fuzz/corpus/boss-unlocked.zn" Data/save.zn
start_game "$game"
click 960 540    # "Play"
click 1710 590   # "DIE"
hold a 0.4
sleep 2
hold Escape 0.2
click 960 890    # "Quit To Main Menu"
hold Escape 0.8
expect_clean_exit

[ "$(saved 19)" = 1 ] || fail "attempts are $(saved 19)"
awk -v t="$(saved 23)" 'BEGIN { exit !(t >= 1.5 && t < 30) }' || fail "time dodging the boss is $(saved 23)"
[ "$(saved 1)" = 0 ] || fail "the fight counted as ordinary dodging: $(saved 1)"
[ "$(saved 14)" = 1 ] || fail "the unlock was lost"
echo "boss fight: ok (dodged the Zev Azirid $(saved 23) s)"
