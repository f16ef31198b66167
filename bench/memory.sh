#!/usr/bin/env bash
# How much memory the real game holds: resident (VmRSS) and peak (VmHWM) at the
# main menu, and at the peak of the first seconds of a boss fight. It starts the
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

work=$(mktemp -d)
pid=
trap '[ -n "$pid" ] && kill "$pid" 2>/dev/null; rm -rf "$work"' EXIT
ln -s "$source_dir/Assets" "$work/Assets"
mkdir "$work/Data"
# A first start's save with line 14, the boss fight, unlocked.
printf '0\n0\n0\n255 0 0\n0\n240\n1\n0\n0\n50\n0\n0\n0\n1\n0\n0\n0\n0\n0\n0\n0\n50\n0' > "$work/Data/save.zn"
cd "$work"

# Kilobytes of a line of the game's /proc status, in megabytes.
megabytes() {
    awk -v key="$1:" '$1 == key { printf "%.0f", $2 / 1024 }' "/proc/$pid/status"
}

# Held across frames: the game polls the button once a frame.
click() {
    xdotool mousemove --window "$wid" "$1" "$2"
    sleep 0.2
    xdotool mousedown 1
    sleep 0.3
    xdotool mouseup 1
    sleep 0.5
}

"$game" > game.log 2>&1 &
pid=$!
wid=$(timeout 30 xdotool search --sync --onlyvisible --name '^Vizovid$' | head -n 1)
[ -n "$wid" ] || { echo "no window titled Vizovid" >&2; cat game.log >&2; exit 1; }
xdotool windowmove --sync "$wid" 0 0
xdotool windowfocus --sync "$wid"
sleep 3
echo "main menu:   VmRSS $(megabytes VmRSS) MB, VmHWM $(megabytes VmHWM) MB"

click 960 540  # "Play"
click 1710 590 # "DIE"
most=0
for _ in $(seq $((fight_seconds * 4))); do
    now=$(megabytes VmRSS)
    [ "$now" -gt "$most" ] && most=$now
    sleep 0.25
done
echo "boss fight:  VmRSS $most MB at most over ${fight_seconds} s, VmHWM $(megabytes VmHWM) MB"

# Back to the main menu, which saves: from the pause menu, or from the death
# screen if the fight was lost (each click lands on nothing of the other screens).
xdotool keydown Escape
sleep 0.2
xdotool keyup Escape
sleep 0.5
click 960 890 # the pause menu's "Quit To Main Menu"
click 960 740 # the death screen's
sleep 1
[ "$(sed -n 19p Data/save.zn)" = 1 ] || { echo "the boss fight was never entered" >&2; exit 1; }
