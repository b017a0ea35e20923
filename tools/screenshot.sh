#!/usr/bin/env bash
# Takes a screenshot of the main window on a virtual display, after one step roll,
# for the README: tools/screenshot.sh build/tessarion docs/screenshot.png [scale]
set -euo pipefail
if [ -z "${TESSARION_ON_XVFB:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1600x1200x24" env TESSARION_ON_XVFB=1 "$0" "$@"
fi
program=$(realpath "$1")
output=$(realpath -m "$2")
export QT_SCALE_FACTOR=${3:-1}

cd "$(dirname "$program")"
"$program" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT
window=""
for _ in $(seq 50); do
    window=$(xdotool search --all --onlyvisible --pid "$pid" --name '^Tessarion 1.0$' | head -n 1 || true)
    [ -n "$window" ] && break
    sleep 0.1
done
# Roll step 20 so the boxes show what the program is for.
xdotool mousemove --window "$window" $(( QT_SCALE_FACTOR * (240 + 480 + 187) / 15 )) \
    $(( QT_SCALE_FACTOR * (4080 + 360 * 9 + 127) / 15 )) click 1
sleep 0.5
import -window "$window" "$output"
echo "wrote $output"
