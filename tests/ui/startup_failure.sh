#!/usr/bin/env bash
# Starts the real program from a folder whose steps.txt is missing, then from one
# where it is a named pipe, on a real X display: the error message must be the only
# window that ever appears, and once it is answered the program must end with exit
# code 1.
set -euo pipefail
if [ -z "${TESSARION_ON_XVFB:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1024x768x24" env TESSARION_ON_XVFB=1 "$0" "$@"
fi
program=$1
data=$2

folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
cp "$program" "$folder/"
cp "$data"/Action*.txt "$folder/"

run() { # the error the message must name
    "$folder/tessarion" 2>"$folder/stderr" &
    local pid=$!
    local window=""
    for _ in $(seq 100); do
        window=$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | head -n 1 || true)
        [ -n "$window" ] && break
        sleep 0.1
    done
    [ -n "$window" ] || { echo "no message window appeared"; kill "$pid"; return 1; }
    sleep 0.3
    local visible
    visible=$(xdotool search --onlyvisible --pid "$pid" | wc -l)
    [ "$visible" -eq 1 ] || { echo "expected only the message window, saw $visible windows"; kill "$pid"; return 1; }
    local size
    size=$(xdotool getwindowgeometry "$window" | awk '/Geometry/ {print $2}')
    [ "$size" != "711x521" ] || { echo "the main window was shown"; kill "$pid"; return 1; }
    # Answer the message as a user would: give it the focus and press Enter.
    for _ in $(seq 20); do
        kill -0 "$pid" 2>/dev/null || break
        xdotool windowfocus "$window" 2>/dev/null || true
        xdotool key Return 2>/dev/null || true
        sleep 0.25
    done
    local code=0
    wait "$pid" || code=$?
    [ "$code" -eq 1 ] || { echo "exit code $code, expected 1"; return 1; }
    grep -q "$1" "$folder/stderr" || { echo "stderr lacks the error"; return 1; }
    grep -q "steps.txt" "$folder/stderr" || { echo "stderr does not name the file"; return 1; }
}

run "File not found"
mkfifo "$folder/steps.txt"
run "It is a named pipe, not a regular file."
echo "start-up failure: 2 passed, 0 failed"
