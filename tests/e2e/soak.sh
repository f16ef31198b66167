#!/usr/bin/env bash
# A seeded random walk over the real game for a bounded time (60 s, longer with an
# argument): clicks on the screens' buttons and anywhere, held movement keys, Escape,
# focus changes, window closes, restarts and SIGKILLs. After every step the save is
# absent or whole (25 numbers) and no counter, total or unlock in it went down; every
# exit but a kill has status 0. (Memory is the benchmarks' business, not this walk's.)
set -uo pipefail
game=$1 close_window=$2 source_dir=$3 seconds=${4:-60}
RANDOM=${5:-11}
. "$(dirname "$0")/lib.sh"
enter_scratch_folder "$source_dir"

# The buttons and toggles of every screen; the window fills the screen at (0, 0).
buttons=(960,540 797,690 1122,690 960,840 960,990 210,590 710,590 1210,590 1710,590 960,640
         960,440 960,590 960,740 960,890 120,120 960,995 600,440 1440,440 600,640 1440,640)
keys=(w a s d Up Down Left Right)
watched=(0 1 2 15 16 17 18 19 20 22 24) # totals, timesOpenedGame, unlocks, counters
last=() actions=0 kills=0 closes=0 starts=0

check_save() {
    if [ ! -e Data/save.zn ]; then
        [ ${#last[@]} -eq 0 ] || fail "the save vanished"
        return
    fi
    local values value gone=
    read -ra values <<< "$(tr '\n' ' ' < Data/save.zn)"
    [ ${#values[@]} -eq 25 ] || fail "the save holds ${#values[@]} values: $(tr '\n' ' ' < Data/save.zn)"
    for value in "${values[@]}"; do
        [[ $value =~ ^-?[0-9]+(\.[0-9]*)?(e[-+][0-9]+)?$ ]] || fail "'$value' in the save"
    done
    [ ${#last[@]} -eq 0 ] || gone=$(awk -v now="${values[*]}" -v was="${last[*]}" -v watched="${watched[*]}" \
        'BEGIN { split(now, n); split(was, w); split(watched, k)
                 for (j in k) if (n[k[j] + 1] < w[k[j] + 1]) print k[j] + 1 }')
    [ -z "$gone" ] || fail "values $gone of the save went down: ${last[*]} -> ${values[*]}"
    last=("${values[@]}")
}

restart() {
    check_save
    start_game "$game"
    starts=$((starts + 1))
}

kill_game() {
    kill -KILL "$pid"
    wait "$pid" 2>/dev/null
    kills=$((kills + 1))
    restart
}

close_game() {
    "$close_window" "$wid" || fail "could not send WM_DELETE_WINDOW"
    expect_clean_exit
    closes=$((closes + 1))
    restart
}

restart
root=$(xwininfo -root | awk '/Window id:/ {print $4}')
end=$((SECONDS + seconds))
while [ $SECONDS -lt $end ]; do
    if ! kill -0 "$pid" 2>/dev/null; then # "Quit Game", or Escape in the main menu
        expect_clean_exit
        restart
    fi
    wid=$(xdotool search --onlyvisible --name '^Vizovid$' | head -n 1) # "Apply" makes a new window
    case $((RANDOM % 30)) in
        0) kill_game ;;
        1) close_game ;;
        2 | 3) xdotool windowfocus "$root"; sleep 0.5 ;;
        4 | 5) xdotool windowfocus --sync "$wid"; sleep 0.5 ;;
        6 | 7 | 8) hold Escape 0.2 ;;
        9 | 1[0-4]) hold "${keys[RANDOM % 8]}" "0.$((RANDOM % 10))" ;;
        1[5-9] | 2[0-4]) button=${buttons[RANDOM % ${#buttons[@]}]}; click "${button%,*}" "${button#*,}" ;;
        *) click $((RANDOM % 1920)) $((RANDOM % 1080)) ;;
    esac
    actions=$((actions + 1))
    check_save
done
[ $kills -gt 0 ] || kill_game
[ $closes -gt 0 ] || close_game

echo "soak: $actions actions, $starts starts, $kills kills, $closes closes"
