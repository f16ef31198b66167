#!/usr/bin/env bash
# The installed game: installed into a scratch prefix and started from an empty
# folder with a scratch home, it reaches the main menu and quits through "Quit Game";
# the save lands in the home's XDG data folder and nothing in the folder it started
# from. Without its assets it says where it looked and fails.
set -uo pipefail
build_dir=$1 built_data_dir=$2
. "$(dirname "$0")/lib.sh"
work=$(mktemp -d)
trap 'kill "$pid" 2>/dev/null; rm -rf "$work"' EXIT
pid=
cd "$work" || exit 1

cmake --install "$build_dir" --prefix "$work/prefix" > /dev/null || fail "cmake --install failed"
desktop-file-validate prefix/share/applications/*.desktop || fail "desktop entry"
appstreamcli validate --no-net prefix/share/metainfo/*.xml || fail "metainfo"
mkdir home empty
printf '#!/bin/sh\ncd %s/empty && exec env -u XDG_DATA_HOME HOME=%s/home %s/prefix/bin/vizovid\n' \
    "$work" "$work" "$work" > run && chmod +x run
start_game ./run
save=home/.local/share/vizovid/Data/save.zn
for _ in $(seq 100); do # the main menu saves as it opens
    [ "$(sed -n 2p $save 2>/dev/null)" = 1 ] && break
    sleep 0.1
done
click 960 990 # "Quit Game"
expect_clean_exit
[ "$(sed -n 2p $save)" = 1 ] || fail "no save in the home's data folder"
[ -z "$(ls -A empty)" ] || fail "the game wrote in the folder it started from: $(ls -A empty)"

[ -e "$built_data_dir/Assets" ] && { echo "missing assets: skipped, $built_data_dir/Assets exists"; exit 0; }
rm -r prefix/share/vizovid/Assets
(cd empty && HOME="$work/home" ../prefix/bin/vizovid) > missing.log 2>&1 && fail "started without assets"
grep -q "^  $work/prefix/share/vizovid/Assets$" missing.log || fail "message: $(cat missing.log)"
[ -z "$(ls -A empty)" ] || fail "a start without assets wrote: $(ls -A empty)"
echo "installed game: ok"
