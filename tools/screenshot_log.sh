#!/usr/bin/env bash
# Takes a screenshot of the Roll Log window after a few rolls on a virtual display, for
# the README: tools/screenshot_log.sh build/tessarion docs/roll-log.png [scale]
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
click() { # left top width height of a control, in twips
    xdotool mousemove --window "$main" $(( QT_SCALE_FACTOR * ($1 + $3 / 2) / 15 )) \
        $(( QT_SCALE_FACTOR * ($2 + $4 / 2) / 15 )) click 1
    sleep 0.3
}
step() { click $((240 + 480 * ($1 / 10))) $((4080 + 360 * ($1 % 10))) 375 255; }

# Steps 11 and 20, a D6 on top, a decision out of 12, the first action button, step 8,
# then a D20 on top of that.
step 10
step 19
click 5160 $((4080 + 360)) 615 255
click $((6000 + 480)) 4080 375 255
click 120 1440 1815 375
step 7
click 5160 $((4080 + 5 * 360)) 615 255
xdotool key ctrl+l
log=$(window_titled "Roll Log")
xdotool windowmove "$log" 0 0
sleep 1
eval "$(xdotool getwindowgeometry --shell "$log")"
import -window root -crop "${WIDTH}x${HEIGHT}+0+0" "$output"
echo "wrote $output"
