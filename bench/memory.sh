#!/usr/bin/env bash
# How much memory the real game holds: resident (VmRSS) and peak (VmHWM) at the
# main menu, and at the peak of the first seconds of a boss fight (until the player
# standing still dies; the death screen's blurred backdrop is reported apart). It starts the
# game in a scratch folder with the assets and a save that has the fight unlocked,
# on a 1920 x 1080 virtual screen with OpenAL's null driver, and clicks its way in
# with xdotool. Not a test: run it by hand from anywhere,
#   bench/memory.sh [build/vizovid] [seconds of fight, 20]
# It needs xvfb, xauth and xdotool (scripts/install-deps --test).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source_dir=$(dirname "$here")
game=$(realpath "${1:-$source_dir/build/vizovid}")
fight_seconds=${2:-20}

if [ -z "${VIZOVID_MEMORY_SCREEN:-}" ]; then
    exec env VIZOVID_MEMORY_SCREEN=1 ALSOFT_DRIVERS=null \
        xvfb-run -a -s "-screen 0 1920x1080x24 -noreset" bash "$0" "$game" "$fight_seconds"
fi

# The scratch folder, the start and the presses of the end-to-end tests.
. "$source_dir/tests/e2e/lib.sh"
enter_scratch_folder "$source_dir"
# A first start's save with line 14, the boss fight, unlocked.
printf '0\n0\n0\n255 0 0\n0\n240\n1\n0\n0\n50\n0\n0\n0\n1\n0\n0\n0\n0\n0\n0\n0\n50\n0' > Data/save.zn

# Kilobytes of a line of the game's /proc status, in megabytes.
megabytes() {
    awk -v key="$1:" '$1 == key { printf "%.0f", $2 / 1024 }' "/proc/$pid/status"
}

start_game "$game"
sleep 2.5
echo "main menu:   VmRSS $(megabytes VmRSS) MB, VmHWM $(megabytes VmHWM) MB"

click 960 540  # "Play"
start=$(date +%s.%N) # the fight begins as "DIE" is pressed, 0.2 s into the click
click 1710 590 # "DIE"
# A sample every quarter second, with its second of the fight; which of them fell
# in the fight is known once the save tells how long it lasted.
at=() rss=() hwm=()
for _ in $(seq $((fight_seconds * 4))); do
    at+=("$(awk -v s="$start" -v n="$(date +%s.%N)" 'BEGIN { print n - s - 0.2 }')")
    rss+=("$(megabytes VmRSS)")
    hwm+=("$(megabytes VmHWM)")
    sleep 0.25
done

# Back to the main menu, which saves: from the pause menu, or from the death
# screen if the fight was lost (each click lands on nothing of the other screens).
hold Escape 0.2
click 960 890 # the pause menu's "Quit To Main Menu"
click 960 740 # the death screen's
sleep 1
[ "$(saved 19)" = 1 ] || fail "the boss fight was never entered"

# Line 23: seconds spent in the fight; samples in its last quarter second are left out.
fight=$(saved 23)
most=0 last=
for i in "${!at[@]}"; do
    awk -v a="${at[i]}" -v f="$fight" 'BEGIN { exit !(a < f - 0.25) }' || break
    [ "${rss[i]}" -gt "$most" ] && most=${rss[i]}
    last=$i
done
[ -n "$last" ] || fail "the fight lasted no time"
echo "boss fight:  VmRSS $most MB at most over ${at[last]%.*} s, VmHWM ${hwm[last]} MB"
echo "afterwards:  VmHWM ${hwm[-1]} MB (a death screen or the pause menu opened over the fight)"
