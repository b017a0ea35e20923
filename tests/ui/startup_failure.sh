#!/usr/bin/env bash
# Starts the real program from a folder whose steps.txt is missing, then from one
# where it is a named pipe, on a real X display: the error message must be the only
# window that ever appears, and once it is answered the program must end with exit
# code 1. Every wait has a deadline instead of a fixed length, and the windows are
# watched the whole time the program runs.
set -euo pipefail
if [ -z "${TESSARION_ON_XVFB:-}" ]; then
    # Without -noreset the server resets whenever its last client leaves, and refuses or
    # strands a client that connects meanwhile, as the second program may.
    exec xvfb-run -a -s "-screen 0 1024x768x24 -noreset" env TESSARION_ON_XVFB=1 "$0" "$@"
fi
program=$1
data=$2

folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
cp "$program" "$folder/"
cp "$data"/Action*.txt "$folder/"

DEADLINE_SECONDS=30

run() { # the error the message must name
    "$folder/tessarion" 2>"$folder/stderr" &
    local pid=$!
    local deadline=$((SECONDS + DEADLINE_SECONDS))
    local message="" windows visible size
    # Until the program ends: no more than one window, never the main window; once the
    # message is there, answer it as a user would, with the focus on it and Enter.
    while kill -0 "$pid" 2>/dev/null; do
        if [ "$SECONDS" -ge "$deadline" ]; then
            kill "$pid"
            [ -n "$message" ] && echo "the program did not end" || echo "no message window appeared"
            return 1
        fi
        windows=$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null || true)
        visible=$(printf '%s' "$windows" | grep -c . || true)
        [ "$visible" -le 1 ] || { echo "expected only the message window, saw $visible windows"; kill "$pid"; return 1; }
        for window in $windows; do
            size=$(xdotool getwindowgeometry "$window" 2>/dev/null | awk '/Geometry/ {print $2}' || true)
            [ "$size" != "711x521" ] || { echo "the main window was shown"; kill "$pid"; return 1; }
            message=$window
            xdotool windowfocus "$window" 2>/dev/null || true
            xdotool key Return 2>/dev/null || true
        done
        sleep 0.05
    done
    [ -n "$message" ] || { echo "the program ended without a message window:"; cat "$folder/stderr"; return 1; }
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
