#!/usr/bin/env bash
# The Debian package played natively on Wayland, under weston nested in Xvfb for real input. The requests the program
# sends (WAYLAND_DEBUG) show which window is whose child; weston's scene graph shows where each window is.
set -uo pipefail
# shellcheck source=tests/lib.sh
. "$(dirname "$0")/lib.sh"
needs Xvfb xdotool weston weston-debug setpriv
compgen -G '/usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so' >/dev/null || { echo "skipped: no qt6-wayland"; exit 77; }

unpack_package "$1"
start_x "$work"  # no window manager: weston's window stays as made, and takes the keys under the pointer
mkdir -m 700 "$work/run" && export XDG_RUNTIME_DIR=$work/run WAYLAND_DISPLAY=trivolo-test
weston --backend=x11-backend.so --width=1024 --height=768 --use-pixman --no-config --idle-time=0 --debug \
  --socket="$WAYLAND_DISPLAY" >"$work/weston.log" 2>&1 & pids+=("$!")
wait_for test -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" && play env QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=1

# The top-left corner of the window with this title, as weston shows it.
where() { weston-debug scene-graph 2>/dev/null | grep -A1 "top-level window '$1' " | sed -n 's/.*position: (\([0-9-]*\), \([0-9-]*\)).*/\1 \2/p'; }
shown() { wait_for eval "where '$1' | grep ." | head -n1; }
gone() { wait_for eval "[ -z \"\$(where '$1')\" ]"; }
click() { xdotool mousemove $(($1 + $3)) $(($2 + $4)) click 1; }  # x y of a window, then a point inside it
belongs() {  # title: the window so titled names the main window as its parent (object ids are reused: the last counts)
  sed -n -e 's/.*get_toplevel(new id xdg_toplevel@\([0-9]*\))$/\1 new/p' -e 's/.*-> xdg_toplevel@\([0-9]*\)\.set_\(parent\|title\)(\(xdg_toplevel@\)\{0,1\}\(.*\))$/\1 \2 \4/p' "$work/stderr" |
  awk -v want="\"$1\"" '$2 == "new" {up[$1] = 0} $2 == "parent" {up[$1] = $3}
    $2 == "title" {t[$1] = substr($0, index($0, "\"")); if (t[$1] == want) of = t[up[$1]]} END {exit of != "\"Trivolo By Quenrix\""}'; }

main=$(shown 'Trivolo By Quenrix'); read -r x y <<<"${main:-0 0}"
xdotool key ctrl+n 1 6 8 9 7 && shown 'Game Ends.' >/dev/null  # the human completes the bottom row
check "the closing message is a child of the main window" belongs 'Game Ends.'
xdotool key Return && gone 'Game Ends.' && click "$x" "$y" 100 500 && xdotool key ctrl+m  # the click gives the keys back
read -r mx my _ <<<"$(shown 'Game Mode') 0 0"
check "the mode window is a child of the main window" belongs 'Game Mode'
xdotool mousemove $((mx + 200)) $((my + 155)) mousedown 1 mousemove $((mx + 210)) $((my + 160))  # by its caption
check "a drag asks the compositor to move the mode window" wait_for grep -q -- '-> xdg_toplevel@[0-9]*\.move(' "$work/stderr"
xdotool mousemove $((mx + 240)) $((my + 180)) mouseup 1
check "the dragged mode window follows the pointer" wait_for eval '[ "$(where "Game Mode")" = "$((mx + 40)) $((my + 25))" ]'
click $((mx + 40)) $((my + 25)) 410 160 && gone 'Game Mode' && click "$x" "$y" 100 500 && xdotool key F1  # Quit
shown 'Change Player1 Image (Trivolo )' >/dev/null
check "the chooser is a child of the main window" belongs 'Change Player1 Image (Trivolo )'
xdotool key Escape && gone 'Change Player1 Image (Trivolo )' && click "$x" "$y" 100 500 && xdotool key ctrl+n 1 6 8 9 7
shown 'Game Ends.' >/dev/null && xdotool key Return && gone 'Game Ends.'
check "after two games the main window is the one window it was" test "$(grep -c 'set_title("Trivolo By Quenrix")$' "$work/stderr")" = 1
check "after two games the main window stays where it was" test "$(where 'Trivolo By Quenrix')" = "$main"
check "nothing on standard error but the missing sound server" test -z "$(grep -v -e '^\[ *[0-9.]*\] ' -e 'cannot play sounds' "$work/stderr")"
finish
