#!/usr/bin/env bash
# Takes a screenshot of the Step Odds window for step 11 with a D6 karma die against 13,
# opened from the step button's context menu, on a virtual display, for the README:
# tools/screenshot_odds.sh build/tessarion docs/step-odds.png [scale]
set -euo pipefail
if [ -z "${TESSARION_ON_XVFB:-}" ]; then
    exec xvfb-run -a -s "-screen 0 2400x1800x24" env TESSARION_ON_XVFB=1 "$0" "$@"
fi
program=$(realpath "$1")
output=$(realpath -m "$2")
export QT_SCALE_FACTOR=${3:-1}

cd "$(dirname "$program")"
"$program" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT
window_titled() { # title -> id of the visible window with it
    for _ in $(seq 50); do
        for id in $(xdotool search --onlyvisible --pid "$pid" "" 2>/dev/null || true); do
            [ "$(xdotool getwindowname "$id")" = "$1" ] && { echo "$id"; return; }
        done
        sleep 0.1
    done
    return 1
}
main=$(window_titled "Tessarion 1.0")
# Right click on step 11, then its one menu entry.
xdotool mousemove --window "$main" $(( QT_SCALE_FACTOR * (240 + 480 + 187) / 15 )) \
    $(( QT_SCALE_FACTOR * (4080 + 127) / 15 )) click 3
sleep 0.5
xdotool key Down Return
odds=$(window_titled "Step Odds")
xdotool windowmove "$odds" 0 0
sleep 0.3
# Karma D6 (two down from none), target 13, then the mouse over the bar of 16.
xdotool key Tab Down Down Tab ctrl+a type 13
sleep 0.3
eval "$(xdotool getwindowgeometry --shell "$odds")"
xdotool mousemove $(( WIDTH * 45 / 100 )) $(( HEIGHT * 72 / 100 ))
sleep 1.5
import -window root -crop "${WIDTH}x${HEIGHT}+0+0" "$output"
echo "wrote $output"
