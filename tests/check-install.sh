#!/usr/bin/env bash
# The install step leaves a complete, self-contained application folder: the program
# and everything it reads, with the settings files in their first state.
set -uo pipefail
build=$1
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
cmake --install "$build" --prefix "$dir" >/dev/null || { echo "install failed"; exit 1; }

passed=0 failed=0
check() {  # description, command...
  local what=$1; shift
  if "$@"; then passed=$((passed + 1)); else failed=$((failed + 1)); echo "FAIL: $what"; fi
}
check "the program is executable" test -x "$dir/trivolo"
for f in sound.txt mode.txt playerimg.txt menu.txt Help.CHM README.txt \
         docs/player1.gif docs/player2.gif docs/computer.jpeg docs/player1win.gif \
         docs/player2win.gif docs/draw.gif sounds/start.wav sounds/player1.wav \
         sounds/player2.wav sounds/wonp1.wav sounds/wonp2.wav sounds/draw.wav; do
  check "$f is installed" test -s "$dir/$f"
done
check "sound.txt starts on" cmp -s "$dir/sound.txt" <(printf 'true\r\n')
check "mode.txt starts against the computer" cmp -s "$dir/mode.txt" <(printf '0\r\n')
check "menu.txt holds its marker" cmp -s "$dir/menu.txt" <(printf 'false\r\n')
check "the two players start with different marks" test "$(sort -u "$dir/playerimg.txt" | wc -l)" -eq 2
while IFS= read -r name; do
  name=${name%$'\r'}
  check "playerimg.txt names images/$name" test -s "$dir/images/$name"
done < "$dir/playerimg.txt"
check "at least six pictures to choose from" test "$(find "$dir/images" -type f | wc -l)" -ge 6
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
