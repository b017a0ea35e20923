#!/usr/bin/env bash
# Takes a screenshot for the README on a virtual display:
#   tools/screenshot.sh build/tessarion docs/screenshot.png [scale] [main|odds|log|sheet]
# main: the main window after rolling step 20; odds: the Step Odds window for step 11
# with a D6 karma die against 13; log: the Roll Log window after a few rolls; sheet: the
# Roll Sheet of a sample character after a quick roll of step 11 with karma against 13.
# The program runs with settings and data folders of its own, never the user's.
# ImageMagick's import cuts the window out of the screen: `make screenshot-deps` installs it.
set -euo pipefail
command -v import >/dev/null || { echo "ImageMagick's import is missing: run make screenshot-deps" >&2; exit 1; }
if [ -z "${TESSARION_ON_XVFB:-}" ]; then
    exec xvfb-run -a -s "-screen 0 2400x1800x24 -noreset" env TESSARION_ON_XVFB=1 "$0" "$@"
fi
program=$(realpath "$1")
output=$(realpath -m "$2")
export QT_SCALE_FACTOR=${3:-1}
shot=${4:-main}

home=$(mktemp -d)
export XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/data"
if [ "$shot" = sheet ]; then
    sheets="$XDG_DATA_HOME/Tessarion/tessarion"
    mkdir -p "$sheets" "$XDG_CONFIG_HOME/Tessarion"
    cp "$(dirname "$0")/sample-sheet.json" "$sheets/Kethra.json"
    printf '[General]\nsheet=%s\n' "$sheets/Kethra.json" > "$XDG_CONFIG_HOME/Tessarion/tessarion.conf"
fi

cd "$(dirname "$program")"
"$program" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true; rm -rf "$home"' EXIT
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
click() { # left top width height of a control, in twips [button]
    xdotool mousemove --window "$main" $(( QT_SCALE_FACTOR * ($1 + $3 / 2) / 15 )) \
        $(( QT_SCALE_FACTOR * ($2 + $4 / 2) / 15 )) click "${5:-1}"
    sleep 0.3
}
step() { click $((240 + 480 * ($1 / 10))) $((4080 + 360 * ($1 % 10))) 375 255 "${2:-1}"; }
capture() { # window id: moved to the corner, then cut out of the screen
    xdotool windowmove "$1" 0 0
    sleep 1.5
    eval "$(xdotool getwindowgeometry --shell "$1")"
    import -window root -crop "${WIDTH}x${HEIGHT}+0+0" "$output"
}

case "$shot" in
main)
    step 19 # step 20 shows what the program is for
    sleep 0.5
    import -window "$main" "$output"
    ;;
odds)
    step 10 3 # a right click on step 11, then its one menu entry
    xdotool key Down Return
    odds=$(window_titled "Step Odds")
    xdotool windowmove "$odds" 0 0
    # Karma D6 (two down from none), target 13, then the mouse over a bar.
    xdotool key Tab Down Down Tab ctrl+a type 13
    eval "$(xdotool getwindowgeometry --shell "$odds")"
    xdotool mousemove $(( WIDTH * 45 / 100 )) $(( HEIGHT * 72 / 100 ))
    capture "$odds"
    ;;
log)
    # Steps 11 and 20, a D6 on top, a decision out of 12, the first action button,
    # step 8, then a D20 on top of that.
    step 10
    step 19
    click 5160 $((4080 + 360)) 615 255
    click $((6000 + 480)) 4080 375 255
    click 120 1440 1815 375
    step 7
    click 5160 $((4080 + 5 * 360)) 615 255
    xdotool key ctrl+l
    capture "$(window_titled "Roll Log")"
    ;;
sheet)
    # Ctrl+R, then step 11 with one karma point against 13, as a player types it.
    xdotool windowfocus --sync "$main" key ctrl+r
    sheet=$(window_titled "Roll Sheet")
    xdotool type 11
    xdotool key Tab type 1
    xdotool key Tab Tab Tab Tab type 13
    xdotool key Return
    capture "$sheet"
    ;;
esac
echo "wrote $output"
