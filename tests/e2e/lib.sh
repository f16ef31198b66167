# Shared steps of the end-to-end tests: a scratch folder with the assets, the real
# game started in it, and presses held across frames (the game polls the mouse
# button and the keys once a frame, so a press inside one frame is never seen).

# Makes the scratch folder and enters it; the caller may then put a save in Data/.
enter_scratch_folder() {
    work=$(mktemp -d)
    trap 'kill "$pid" 2>/dev/null; rm -rf "$work"' EXIT
    cp -r "$1/Assets" "$work/"
    mkdir "$work/Data"
    cd "$work" || exit 1
    pid=
}

fail() {
    echo "FAIL: $*"
    [ -f game.log ] && cat game.log
    exit 1
}

# Starts the game, waits for its window, moves it to the screen's corner (without a
# window manager it may open partly off the screen), gives it the focus and waits
# for the main menu, which saves as it opens (to $2, or Data/save.zn) with one more
# start counted on line 2: on a busy machine loading the assets takes seconds.
start_game() {
    local opened=$(sed -n 2p "${2:-Data/save.zn}" 2>/dev/null)
    "$1" > game.log 2>&1 &
    pid=$!
    wid=$(timeout 30 xdotool search --sync --onlyvisible --name '^Vizovid$' | head -n 1)
    [ -n "$wid" ] || fail "no window titled Vizovid"
    xdotool windowmove --sync "$wid" 0 0
    xdotool windowfocus --sync "$wid"
    for _ in $(seq 300); do
        [ "$(sed -n 2p "${2:-Data/save.zn}" 2>/dev/null)" = "$((opened + 1))" ] && break
        sleep 0.1
    done
    sleep 0.5
}

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

# Waits for the game to end and fails unless it exited with 0.
expect_clean_exit() {
    for _ in $(seq 100); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$pid" 2>/dev/null && fail "the game is still running"
    wait "$pid"
    local status=$?
    [ "$status" -eq 0 ] || fail "exit status $status"
}

# The value on a line of the save file.
saved() {
    sed -n "$1p" Data/save.zn
}
