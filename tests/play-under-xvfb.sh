#!/usr/bin/env bash
# The installed program under a real X server, driven by real input: a game against
# the computer to its end, the window that comes back, the sound switch, the guide on a
# desktop without a viewer for it, and the end of the program when its window is closed.
set -uo pipefail
build=$1
for tool in Xvfb openbox xdotool xwininfo xprop import; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done

work=$(mktemp -d)
pids=()
cleanup() { kill "${pids[@]}" 2>/dev/null; wait 2>/dev/null; [ -s "$work/stderr" ] && sed "s/^/trivolo: /" "$work/stderr"; rm -rf "$work"; }
trap cleanup EXIT

passed=0 failed=0
check() {  # description, command...
  local what=$1; shift
  if "$@"; then passed=$((passed + 1)); else failed=$((failed + 1)); echo "FAIL: $what"; fi
}
finish() { echo "$passed passed, $failed failed"; [ "$failed" -eq 0 ]; exit; }

cmake --install "$build" --prefix "$work/app" >/dev/null || { echo "install failed"; exit 1; }
printf 'true\r\n' > "$work/app/sound.txt"
printf '0\r\n' > "$work/app/mode.txt"
rm -f "$work/app/menu.txt"

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
pids+=($!)
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n1 "$work/display")"
openbox >/dev/null 2>&1 &
pids+=($!)
# A window mapped while the window manager is still starting can stay unmapped.
for _ in $(seq 100); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q window && break; sleep 0.1; done
sleep 1
# No sound server here: the game must go on silently.
export PULSE_SERVER="unix:$work/no-server"
# Nor a viewer for the guide: the file types are known, but no application is set up.
mkdir -p "$work/share" && ln -s /usr/share/mime "$work/share/mime"

XDG_DATA_HOME="$work/share" XDG_DATA_DIRS="$work/share" XDG_CONFIG_HOME="$work/share" XDG_CONFIG_DIRS="$work/share" \
  "$work/app/trivolo" 2>"$work/stderr" &
app=$!
pids+=($app)

# The visible window with this exact title, waiting up to ten seconds.
window() { timeout 10 xdotool search --sync --onlyvisible --name "^$1\$" 2>/dev/null | head -n1; }
# The colour of one pixel of the screen.
pixel() { import -window root -crop "1x1+$1+$2" -depth 8 txt:- 2>/dev/null | tail -n1 | awk '{print $3}'; }

main=$(window 'Trivolo By Quenrix')
check "the main window opens" test -n "$main"
[ -n "$main" ] || finish
eval "$(xwininfo -id "$main" | awk '/Absolute upper-left X/ {print "left=" $4} /Absolute upper-left Y/ {print "top=" $4} /Height:/ {print "height=" $2}')"
menu_bar=$((height - 513))
cell_x() { echo $((left + 224 + ($1 - 1) % 3 * 136 + 60)); }
cell_y() { echo $((top + menu_bar + 16 + ($1 - 1) / 3 * 136 + 60)); }
click_cell() { xdotool mousemove "$(cell_x "$1")" "$(cell_y "$1")" click 1; sleep 0.4; }
empty_cell=$(pixel "$(cell_x 7)" "$(cell_y 7)")

xdotool windowactivate --sync "$main" 2>/dev/null
xdotool key ctrl+n
sleep 0.5
check "New Game writes menu.txt" cmp -s "$work/app/menu.txt" <(printf 'false\r\n')

# H1 C5 H6 C2 H8 C4 H9 C3 H7: the human completes the bottom row.
for cell in 1 6 8 9 7; do click_cell "$cell"; done
box=$(window 'Game Ends\.')
check "the end of the game is announced" test -n "$box"
check "the winning mark is on the board" test "$(pixel "$(cell_x 7)" "$(cell_y 7)")" != "$empty_cell"
check "the computer's answer is on the board" test "$(pixel "$(cell_x 3)" "$(cell_y 3)")" != "$empty_cell"
xdotool windowactivate --sync "$box" 2>/dev/null
xdotool key Return
sleep 1

fresh=$(window 'Trivolo By Quenrix')
check "a fresh main window comes back" test -n "$fresh" -a "$fresh" != "$main"
check "the program goes on" kill -0 "$app"
check "the fresh board is empty" test "$(pixel "$(cell_x 7)" "$(cell_y 7)")" = "$empty_cell"

xdotool windowactivate --sync "$fresh" 2>/dev/null
xdotool key ctrl+F2
box=$(window 'Sound Information')
check "Sound Off answers" test -n "$box"
[ -n "$box" ] && { xdotool windowactivate --sync "$box" 2>/dev/null; xdotool key Return; sleep 0.5; }
check "Sound Off is remembered" cmp -s "$work/app/sound.txt" <(printf 'False\r\n')

xdotool key ctrl+h
for _ in $(seq 100); do grep -q '^trivolo: cannot show .*/Help.CHM' "$work/stderr" && break; sleep 0.1; done
check "Guide without a viewer names Help.CHM on stderr" grep -q '^trivolo: cannot show .*/Help.CHM: no viewer' "$work/stderr"

# On a desktop at 120 dpi the whole window grows by a quarter, one-pixel grid lines included.
QT_FONT_DPI=120 "$work/app/trivolo" 2>>"$work/stderr" &
second=$!
pids+=($second)
scaled=""
for _ in $(seq 100); do
  scaled=$(xdotool search --onlyvisible --name '^Trivolo By Quenrix$' 2>/dev/null | grep -vx "$fresh" | head -n1)
  [ -n "$scaled" ] && break
  sleep 0.1
done
check "a second game opens" test -n "$scaled"
if [ -n "$scaled" ]; then
  sleep 0.5
  eval "$(xwininfo -id "$scaled" | awk '/Absolute upper-left X/ {print "left=" $4} /Absolute upper-left Y/ {print "top=" $4} /Width:/ {print "width=" $2} /Height:/ {print "height=" $2}')"
  check "the window is a quarter wider at 120 dpi" test $((width - 637 * 5 / 4)) -ge 0 -a $((width - 637 * 5 / 4)) -le 1
  grid_y=$((top + height - 513 * 5 / 4 + 144 * 5 / 4))
  check "the grid lines are drawn at 120 dpi" test "$(pixel $((left + 300 * 5 / 4)) "$grid_y")" != "$empty_cell"
fi
kill "$second" 2>/dev/null
wait "$second" 2>/dev/null

# The window manager's close (openbox: Alt+F4).
xdotool windowactivate --sync "$fresh" 2>/dev/null
xdotool key alt+F4
for _ in $(seq 50); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$app" 2>/dev/null; then
  check "closing the main window ends the program" false
else
  wait "$app"
  check "closing the main window ends the program cleanly" test $? -eq 0
fi
finish
