#!/usr/bin/env bash
# Plays the first move of a game in the real program under a virtual X display: starts a game from
# the menu, clicks a legal cell, and reads the placed piece and the counters off a screenshot.
# Usage: smoke_test.sh GAME SCREEN-CHECK
set -euo pipefail
game=$(realpath "$1")
check=$(realpath "$2")
shots=${SMOKE_SHOTS:-$PWD}
work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
pids+=($!)
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "Xvfb did not start"; cat "$work/xvfb.log"; exit 1; }
export DISPLAY=":$(cat "$work/display")"

(unset QT_QPA_PLATFORM; cd "$(dirname "$game")" && exec "$game") >"$work/game.log" 2>&1 &
pids+=($!)
window=$(timeout 30 xdotool search --sync --name '^zeri for Windows$' | head -1)
[ -n "$window" ] || { echo "no window titled 'zeri for Windows'"; cat "$work/game.log"; exit 1; }
height=$(xwininfo -id "$window" | awk '/Height:/ {print $2}')
menu=$((height - 599))  # the menu bar lies above the 600 x 599 client area

# Reads the window until the check passes, for up to ten seconds.
expect() {  # name, check arguments...
  local name=$1; shift
  for _ in $(seq 20); do
    sleep 0.5
    import -window "$window" "$shots/smoke-$name.png"
    if "$check" "$shots/smoke-$name.png" "$@" >"$work/check.log" 2>&1; then return 0; fi
  done
  echo "after $name:"; cat "$work/check.log"; return 1
}

# げーむ > 開始: the first item of the first menu.
xdotool mousemove --window "$window" 20 $((menu / 2)) click 1
sleep 0.5
xdotool key Down Return
expect start 2 2 B27 R28 R35 B36

# Red plays column 3, row 4 (cell 26), flanking the blue piece of cell 27.
xdotool mousemove --window "$window" $((117 + 46 * 2 + 22)) $((menu + 118 + 46 * 3 + 22))
sleep 0.2
xdotool click 1
expect move 4 1 R26 R27 R28 R35 B36
echo "smoke test passed: a red piece at cell 26, counters 4 / 1"
