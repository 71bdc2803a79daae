#!/usr/bin/env bash
# The unpacked package made read-only, played under X (as nobody when run by root, who writes anywhere): the
# player's settings and pictures go to a folder of their own, seeded from the installation, and are read back.
set -uo pipefail
# shellcheck source=tests/lib.sh
. "$(dirname "$0")/lib.sh"
needs Xvfb openbox xdotool setpriv
work=$(mktemp -d) player=() data=$work/home/.local/share/Trivolo
trap 'kill "${pids[@]}" 2>/dev/null; wait 2>/dev/null; chmod -R u+w "$work"; rm -rf "$work"' EXIT
mkdir -m 700 "$work/home" && chmod 755 "$work" && cp -a "$1/package/root/usr" "$work/" && chmod -R a-w "$work/usr" || exit 1
[ "$(id -u)" = 0 ] && player=(setpriv --reuid="$(id -u nobody)" --regid="$(id -g nobody)" --clear-groups) && chown nobody "$work/home"
play() { env -u XDG_DATA_HOME HOME="$work/home" XDG_RUNTIME_DIR="$work/home" PULSE_SERVER="unix:$work/none" "${player[@]}" "$work/usr/games/trivolo" & pids+=("$!"); }
start_desktop "$work" && play

main=$(window 'Trivolo By Quenrix')
press "$main" ctrl+F2 && press "$(window 'Sound Information')" Return
check "Sound Off is saved for the player" wait_for same_bytes "$data/sound.txt" 'False\r\n'
press "$main" F1 && press "$(window 'Change Player1 Image.*')" Down Down Tab Tab space && press "$(window 'Image Change Confirmation')" Return
check "the chosen picture is saved for the player" wait_for same_bytes "$data/playerimg.txt" 'ring.gif\r\nring.gif\r\n'
press "$main" alt+F4 && wait_for eval "! kill -0 ${pids[-1]} 2>/dev/null"
sound=$(stat -c %i "$data/sound.txt") && play && press "$(window 'Trivolo By Quenrix')" ctrl+F2  # a write: a new file
check "the next start reads the player's sound setting" test -n "$(window 'Sound Information')" -a "$(stat -c %i "$data/sound.txt")" = "$sound"
finish
