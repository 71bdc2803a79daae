#!/usr/bin/env bash
# The unpacked package, read-only as an installation is to a player, under a real X server: the
# player's settings and pictures go to a folder of their own, seeded from the installation, and
# the next start reads them back.
set -uo pipefail
# shellcheck source=tests/lib.sh
. "$(dirname "$0")/lib.sh"
needs Xvfb openbox xdotool setpriv
work=$(mktemp -d) player=() data=$work/home/.local/share/Trivolo
cleanup() { kill "${pids[@]}" 2>/dev/null; wait 2>/dev/null; chmod -R u+w "$work"; rm -rf "$work"; }
trap cleanup EXIT
# Root writes anywhere: the game then runs as nobody, as any player would.
mkdir -m 700 "$work/home" && chmod 755 "$work" && cp -a "$1/package/root/usr" "$work/" && chmod -R a-w "$work/usr" || exit 1
[ "$(id -u)" = 0 ] && player=(setpriv --reuid="$(id -u nobody)" --regid="$(id -g nobody)" --clear-groups) && chown nobody "$work/home"
play() { env -u XDG_DATA_HOME HOME="$work/home" XDG_RUNTIME_DIR="$work/home" PULSE_SERVER="unix:$work/none" "${player[@]}" "$work/usr/games/trivolo" & pids+=("$!"); }
start_desktop "$work" && touch "$work/started" && play

main=$(window 'Trivolo By Quenrix')
check "the player's folder is seeded" diff -r "$work/usr/lib/trivolo/images" "$data/images"
press "$main" ctrl+F2 && press "$(window 'Sound Information')" Return
check "Sound Off is saved for the player" wait_for same_bytes "$data/sound.txt" 'False\r\n'
press "$main" F1 && xdotool key Down Down Tab Tab space && press "$(window 'Image Change Confirmation')" Return
check "the chosen picture is saved for the player" wait_for same_bytes "$data/playerimg.txt" 'ring.gif\r\nring.gif\r\n'
press "$main" alt+F4 && wait_for eval "! kill -0 ${pids[-1]} 2>/dev/null"
sound=$(stat -c %i "$data/sound.txt") && play  # a write would put a new file in its place
press "$(window 'Trivolo By Quenrix')" ctrl+F2
check "the next start reads the player's sound setting" test -n "$(window 'Sound Information')" -a "$(stat -c %i "$data/sound.txt")" = "$sound"
check "nothing is written in the installation" test -z "$(find "$work/usr" -newer "$work/started")"
finish
