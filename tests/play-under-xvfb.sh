#!/usr/bin/env bash
# The Debian package as a player meets it: unpacked read-only and played as /usr/games/trivolo under a real X server
# and window manager with real input, keeping the player's settings in a folder of their own, read aloud by Orca.
set -uo pipefail
# shellcheck source=tests/lib.sh
. "$(dirname "$0")/lib.sh"
needs Xvfb openbox xdotool xwininfo xprop import dbus-daemon setpriv prlimit orca

unpack_package "$1"; left=0 top=0 width=0 height=0  # left...height: set by geometry
data=$XDG_DATA_HOME/Trivolo  # the player's folder
start_desktop "$work"
touch "$work/started"
play env; app=$!

geometry() { [ -n "$1" ] && eval "$(xwininfo -id "$1" | awk '/Absolute upper-left X/ {print "left=" $4} /Absolute upper-left Y/ {print "top=" $4}
                                            /Width:/ {print "width=" $2} /Height:/ {print "height=" $2}')"; }
pixel() { import -window root -crop "1x1+$1+$2" -depth 8 txt:- 2>/dev/null | tail -n1 | awk '{print $3}'; }
cell_x() { echo $((left + 224 + ($1 - 1) % 3 * 136 + 60)); }
cell_y() { echo $((top + height - 513 + 16 + ($1 - 1) / 3 * 136 + 60)); }
cell_pixel() { pixel "$(cell_x "$1")" "$(cell_y "$1")"; }
marked() { [ "$(cell_pixel "$1")" != "$empty_cell" ]; }
belongs() { xprop -id "$1" WM_TRANSIENT_FOR | grep -q "$(printf 0x%x "$main")$"; }  # window: kept above the main window
centred() {  # window: its frame, title bar included, is centred on the screen within a pixel
  local l=0 r=0 t=0 b=0; geometry "$1"; IFS=', ' read -r l r t b < <(xprop -id "$1" _NET_FRAME_EXTENTS | grep -o '[0-9, ]*$')
  [ "${t:-0}" -gt 0 ] && [ $(((2 * (left - l) + width + l + r - 1024) ** 2 + (2 * (top - t) + height + t + b - 768) ** 2)) -le 8 ]; }

main=$(window 'Trivolo By Quenrix')
check "the main window opens" test -n "$main"
[ -n "$main" ] || finish
check "the window with its frame is centred" wait_for centred "$main"
geometry "$main"
empty_cell=$(cell_pixel 7)

press "$main" ctrl+n
# H1 C5 H6 C2 H8 C4 H9 C3 H7: the human completes the bottom row.
for cell in 1 6 8 9 7; do
  xdotool mousemove "$(cell_x $cell)" "$(cell_y $cell)" click 1
  [ $cell = 7 ] || check "cell $cell takes the mark" wait_for marked $cell
done
box=$(window 'Game Ends\.')
check "the end of the game is announced" test -n "$box"
check "the box belongs to the main window" belongs "$box"
check "the winning mark is on the board" marked 7
check "the computer's answer is on the board" marked 3
xdotool windowmove "$main" 0 0; press "$box" Return  # the next game starts centred again

check "the same window, with its frame, is centred again" wait_for centred "$main"
check "the fresh board is empty" wait_for eval '! marked 7'

press "$main" ctrl+m  # a click on the disabled main window leaves the mode window on top
mode=$(window 'Game Mode')
xdotool mousemove "$(cell_x 1)" "$(cell_y 1)" click 1
check "the mode window stays above the main window" \
  wait_for eval 'xprop -root _NET_CLIENT_LIST_STACKING | grep -q "$(printf 0x%x "${mode:-0}")\$"'
press "$mode" Escape  # as Quit
press "$main" ctrl+n; xdotool key Right space; check "the keyboard alone marks cell 2" wait_for marked 2

press "$main" ctrl+F2 && box=$(window 'Sound Information') && press "$box" Return
check "Sound Off is saved for the player" wait_for same_bytes "$data/sound.txt" 'False\r\n'
press "$main" F1 && chooser=$(window 'Change Player1 Image.*')
check "the chooser belongs to the main window" belongs "$chooser"
press "$chooser" Down Down Return && press "$(window 'Image Change Confirmation')" Return
check "the chosen picture is saved for the player" wait_for same_bytes "$data/playerimg.txt" 'ring.gif\r\nring.gif\r\n'


# What a screen reader says of a game played from the keys alone: Orca, on a private session bus (and runtime folder)
# that starts the accessibility bus on demand, writes what it would say to its debug file, a Python file we open
# line-buffered so that each line is there once said. No speech server can start, so nothing is heard aloud.
bus=$(mkdir -m 700 "$work/run" && XDG_RUNTIME_DIR="$work/run" dbus-daemon --session --fork --print-address=1 --print-pid=1)
pids+=("${bus#*$'\n'}")
on_bus=(env DBUS_SESSION_BUS_ADDRESS="${bus%$'\n'*}" XDG_RUNTIME_DIR="$work/run" QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1)
wait_for eval '! pgrep -u "$(id -u)" -x orca >/dev/null'  # Orca will not start beside another of the same user
"${on_bus[@]}" SPEECHD_CMD=/bin/false /usr/bin/python3 -W ignore -c 'import builtins, functools, runpy
builtins.open = functools.partial(open, buffering=1); runpy.run_path("/usr/bin/orca", run_name="__main__")' \
  -u "$work/orca" -d key-echo --debug-file "$work/orca.log" >/dev/null 2>&1 & pids+=("$!"); reader=$!
said() { wait_for grep -qF "SPEECH OUTPUT: '$1'" "$work/orca.log" 2>/dev/null; }
wait_for grep -qs 'ORCA: ATSPI registry initialized' "$work/orca.log"
names() { "${on_bus[@]}" /usr/bin/python3 "$(dirname "$0")/read-cells.py" 2>/dev/null; }
play "${on_bus[@]}"; read_aloud=$!
heard=$(window 'Trivolo By Quenrix' "$main")
check "before New Game the board says no game runs" said 'The game has not started. Game, New Game (Ctrl+N) starts one.'
press "$heard" ctrl+n
check "New Game is told, with the first turn" said 'New Game. Player1 versus Computer. Now Player1.'
said 'Cell 1, top left: empty push button.'; xdotool key 1  # the focus is on cell 1: the move is told with the answer
check "the computer's first answer is told, then the player's turn" \
  said 'Cell 1, top left: Player1. Cell 5, centre: Computer. Now Player1.'
xdotool key 3  # the focus moves to cell 3 and names it
check "the player's cell is told by the focus" said 'Cell 3, top right: Player1 push button.'
check "the computer's next answer is told, then the turn" said 'Cell 2, top centre: Computer. Now Player1.'
xdotool key 4
check "the last move and the computer's winning answer are told" said 'Cell 4, centre left: Player1. Cell 8, bottom centre: Computer.'
check "the result is told once" said 'Player2 Won The Game.'
press "$(window 'Game Ends\.')" Return
check "the fresh window says no game runs" wait_for eval '[ "$(grep -c "SPEECH OUTPUT: .The game has not started" "$work/orca.log")" = 2 ]'
press "$heard" ctrl+m  # the same window holds the fresh game
check "the mode window starts on the saved choice" said 'Player1 versus Computer.'
xdotool key Down; check "the other choice is told" said 'Player1 versus Player2.'
xdotool key Tab; said 'Quit push button.'; xdotool key Tab; check "Play is told" said 'Play push button.'
xdotool key Return; check "Return on Play saves the mode" wait_for same_bytes "$data/mode.txt" '1\r\n'
check "nothing is said twice" test -z "$(grep -o "SPEECH OUTPUT: '[^']*'" "$work/orca.log" | grep -v "frame.'$\|not started\|Board panel" | uniq -d)"
[ "$failed" = 0 ] || grep -o "SPEECH OUTPUT: '[^']*'" "$work/orca.log"
kill "$read_aloud" "$reader"; wait "$read_aloud" "$reader" 2>/dev/null  # gone before the next window is looked for

# In German the menus, the question before a game is quit and Qt's own buttons under it read German.
play "${on_bus[@]}" LANGUAGE=de; german=$!
press "$(window 'Trivolo von Quenrix')" ctrl+n Delete
check "the menus, a question and its stock buttons are German" wait_for eval \
  '[ "$(names | sort -u | grep -cxE "Spiel|Ton|Bild|Hilfe|Willst du dieses Spiel wirklich abbrechen\?|Ja|Nein")" = 7 ]'
kill "$german"; wait "$german" 2>/dev/null

# On a desktop at 120 dpi the whole window grows by a quarter, one-pixel grid lines included;
# under a file size limit that refuses every write the program still starts, with the player's settings.
play env QT_FONT_DPI=120 prlimit --fsize=0; second=$!
scaled=$(window 'Trivolo By Quenrix' "$main")
check "a second game opens" test -n "$scaled"
if [ -n "$scaled" ]; then
  geometry "$scaled"
  check "the window is a quarter wider at 120 dpi" test $((width - 637 * 5 / 4)) -ge 0 -a $((width - 637 * 5 / 4)) -le 1
  check "the grid lines are drawn at 120 dpi" \
    wait_for eval '[ "$(pixel $((left + 300 * 5 / 4)) $((top + height - 513 * 5 / 4 + 144 * 5 / 4)))" != "$empty_cell" ]'
  press "$scaled" ctrl+F2  # the sound is off already: no write is tried, which the limit would refuse
  check "the next start reads the player's sound setting" test -n "$(window 'Sound Information' "$box")"
fi
kill "$second" 2>/dev/null; wait "$second" 2>/dev/null

press "$main" alt+F4  # the window manager's close
check "closing the main window ends the program" wait_for eval '! kill -0 $app 2>/dev/null'
wait "$app"; check "the program ends cleanly" test $? -eq 0
check "nothing is written in the installation" test -z "$(find "$work/usr" -newer "$work/started")"
finish
