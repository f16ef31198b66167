#!/usr/bin/env bash
# The installed game: installed into a scratch prefix and started from an empty
# folder with a scratch home, it reaches the main menu and quits through "Quit Game";
# the save lands in the home's XDG data folder and nothing in the folder it started
# from. Without its assets it says where it looked and fails. The executable's
# folder in the prefix is the build's (bin, or games as the Debian package has it).
set -uo pipefail
build_dir=$1 built_data_dir=$2 bindir=${3:-bin}
. "$(dirname "$0")/lib.sh"
work=$(mktemp -d) pid=
trap 'kill "$pid" 2>/dev/null; rm -rf "$work"' EXIT
cd "$work" && mkdir home empty || exit 1

cmake --install "$build_dir" --prefix "$work/prefix" > /dev/null || fail "cmake --install failed"
desktop-file-validate prefix/share/applications/*.desktop || fail "desktop entry"
appstreamcli validate --no-net prefix/share/metainfo/*.xml > /dev/null || fail "$(appstreamcli validate --no-net prefix/share/metainfo/*.xml)"
printf 'cd %s/empty && exec env -u XDG_DATA_HOME HOME=%s/home ../prefix/%s/vizovid\n' "$work" "$work" "$bindir" > run
chmod +x run && start_game ./run home/.local/share/vizovid/Data/save.zn
click 960 990 # "Quit Game"
expect_clean_exit
[ "$(sed -n 2p home/.local/share/vizovid/Data/save.zn)" = 1 ] || fail "no save in the home's data folder"
[ -z "$(ls -A empty)" ] || fail "the game wrote in the folder it started from: $(ls -A empty)"

[ -e "$built_data_dir/Assets" ] && exit 0 # that folder would be found: nothing is missing
rm -r prefix/share/vizovid/Assets
(cd empty && "../prefix/$bindir/vizovid") > missing.log 2>&1 && fail "started without assets"
# The executable's own folder is looked in too: a portable copy finds its Assets/ from any folder.
grep -qx "  $work/prefix/$bindir/Assets" missing.log || fail "message: $(cat missing.log)"
grep -qx "  $work/prefix/share/vizovid/Assets" missing.log || fail "message: $(cat missing.log)"
echo "installed game: ok"
