# shellcheck shell=bash
# Shared by the shell tests: counting checks, waiting for conditions, the package to play and a desktop to play on.
passed=0 failed=0 pids=()
check() {  # description, command...
  local what=$1; shift
  if "$@"; then passed=$((passed + 1)); else failed=$((failed + 1)); echo "FAIL: $what"; fi
}
finish() { echo "$passed passed, $failed failed"; [ "$failed" -eq 0 ]; exit; }
# Runs the command until it succeeds, for up to thirty seconds (a loaded machine is slow).
wait_for() { local _; for _ in $(seq 300); do "$@" && return 0; sleep 0.1; done; return 1; }
same_bytes() { cmp -s "$1" <(printf '%b' "$2"); }  # file, contents with backslash escapes
needs() { local tool; for tool; do command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }; done; }

start_x() {  # folder: an X server for the rest of the script (in pids), DISPLAY set
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$1/display" 2>/dev/null & pids+=("$!")
  wait_for test -s "$1/display" && DISPLAY=":$(head -n1 "$1/display")" && export DISPLAY
}
start_desktop() {  # folder: an X server and a window manager
  start_x "$1"
  openbox >/dev/null 2>&1 & pids+=("$!")
  # A window mapped while the window manager is still starting can stay unmapped: wait until it answers a request.
  wait_for eval 'xdotool set_num_desktops 1 2>/dev/null && xprop -root _NET_NUMBER_OF_DESKTOPS | grep -q " 1$"'
}
# The visible window with this exact title, other than the one given, once it shows.
window() { wait_for eval "xdotool search --onlyvisible --name '^$1\$' 2>/dev/null | grep -vx '${2:-none}' | head -n1 | grep ." | head -n1; }
press() {  # window, keys: sent once the program has taken the focus, which comes after the window is active
  xdotool windowactivate --sync "$1" 2>/dev/null && wait_for eval "[ \"\$(xdotool getwindowfocus)\" = '$1' ]"; xdotool key "${@:2}"; }

unpack_package() {  # build folder: its package unpacked into a new $work, the installation read-only, a home of its own
  work=$(mktemp -d) player=()
  trap cleanup EXIT
  dpkg-deb -x "$1"/package/trivolo_*.deb "$work" && chmod -R a-w "$work/usr" && mkdir -p "$work/home" || exit 1
  [ "$(id -u)" = 0 ] && player=(setpriv --inh-caps=-all "--bounding-set=-dac_override,-dac_read_search,-fowner")
  # No sound server here: the game goes on silently.
  export HOME=$work/home XDG_DATA_HOME=$work/home/.local/share PULSE_SERVER="unix:$work/no-server"
}
play() { "$@" "${player[@]}" "$work/usr/games/trivolo" 2>>"$work/stderr" & pids+=("$!"); }  # env, limits: as given
cleanup() {  # what the program said, but the Wayland protocol log
  kill "${pids[@]}" 2>/dev/null; wait 2>/dev/null; grep -sv '^\[ *[0-9.]*\] ' "$work/stderr" | sed "s/^/trivolo: /"
  chmod -R u+w "$work"; rm -rf "$work"; }
