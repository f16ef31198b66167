#!/usr/bin/env bash
# A run played by hand is recorded: "Play", "Average", a few seconds of steering
# with a pause in the middle, "Quit To Main Menu". The last-run replay must then
# play out exactly as it was played; a damaged copy of it, and files that are no
# replay or never end, must each be refused in one line, without a crash; and
# without a display the verifier says so in one line.
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
printf 'VIZOVID REPLAY' > huge.vzr
truncate -s 2G huge.vzr
mkfifo pipe.vzr
mkdir folder.vzr
# Each must be refused with status 3 (unreadable) in one line that says why; a hang
# ends at the timeout, which the status then shows.
while read -r hostile reason; do
    timeout 20 "$game" --verify-replay "$hostile" < /dev/null > hostile.log 2>&1
    status=$?
    [ $status -eq 3 ] || fail "$hostile was not refused as unreadable (status $status): $(head -c 300 hostile.log)"
    [ "$(wc -l < hostile.log)" -eq 1 ] || fail "$hostile took more than a line: $(head -c 300 hostile.log)"
    grep -q "$reason" hostile.log || fail "$hostile was refused for another reason: $(cat hostile.log)"
done <<'FILES'
cut.vzr checksum
huge.vzr too big
/dev/zero not a regular file
pipe.vzr not a regular file
folder.vzr not a regular file
missing.vzr cannot be opened
FILES
env -u DISPLAY "$game" --verify-replay "$last" > nodisplay.log 2>&1
status=$?
[ $status -eq 4 ] || fail "without a display the verifier ended with status $status: $(cat nodisplay.log)"
grep -q "no display" nodisplay.log || fail "without a display the verifier said: $(cat nodisplay.log)"
echo "replay: ok ($(cat verify.log))"
