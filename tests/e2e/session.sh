#!/usr/bin/env bash
# A whole session with the real program on a real X display, driven only by X input
# (clicks at the layout's positions, key presses) and read back as a user can: select
# all, copy, read the clipboard; the files on disk.
set -euo pipefail
if [ -z "${TESSARION_ON_XVFB:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1600x1200x24" env TESSARION_ON_XVFB=1 "$0" "$@"
fi
program=$1
data=$2

folder=$(mktemp -d)
trap 'kill "$pid" 2>/dev/null || true; rm -rf "$folder"' EXIT
cp "$program" "$data"/*.txt "$folder/"
printf 'Tavern\r\nA brawl breaks out\r\nA bard sings\r\n' > "$folder/Action1.txt"

passed=0
failed=0
check() { # name, actual, extended regex the whole text must match
    if printf '%s' "$2" | tr '\n' '\001' | grep -Eq "^($3)\$"; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        printf 'FAIL %s\n  got: %q\n' "$1" "$2"
    fi
}

wait_window() { # title -> window id of the visible window with that title
    local id=""
    for _ in $(seq 50); do
        id=$(xdotool search --all --onlyvisible --pid "$pid" --name "^$1\$" 2>/dev/null | head -n 1 || true)
        # Side windows go right of the main window, so they never cover it.
        [ -n "$id" ] && [ "$1" != "Tessarion 1.0" ] && xdotool windowmove "$id" 760 0; sleep 0.2
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    echo "no window titled '$1'" >&2
    return 1
}

# Centre of a control given in twips, clicked inside window $1.
click_at() { # window left top width height
    xdotool mousemove --window "$1" $(( ($2 + $4 / 2) / 15 )) $(( ($3 + $5 / 2) / 15 )) click 1
    sleep 0.15
}

copy_from() { # window left top width height -> the control's whole text
    click_at "$@"
    xdotool key ctrl+a ctrl+c
    sleep 0.15
    xclip -o -selection clipboard 2>/dev/null | tr -d '\r' || true
}

step_button() { # index -> left top width height
    echo $((240 + 480 * ($1 / 10))) $((4080 + 360 * ($1 % 10))) 375 255
}

TXT_DICES="120 120 2895 285"
TXT_RESULT="120 480 2895 405"
TXT_INFO="3120 120 7455 1095"
TXT_SAMPLES="2040 960 975 285"
NL=$'\001'

cd "$folder"
./tessarion 2>stderr &
pid=$!
main=$(wait_window "Tessarion 1.0")
check "main window size" "$(xdotool getwindowgeometry "$main" | awk '/Geometry/ {print $2}')" "711x521"

# Pastes before anything was copied: the clipboard has no owner, and a paste must then
# do nothing, in every multi-line box. Middle click, Ctrl+V, Shift+Insert each time.
paste_with_empty_clipboard() { # window left top width height
    xdotool mousemove --window "$1" $(( ($2 + $4 / 2) / 15 )) $(( ($3 + $5 / 2) / 15 )) click 2
    sleep 0.15
    xdotool key ctrl+v shift+Insert
    sleep 0.15
}
alive() { kill -0 "$pid" 2>/dev/null && echo alive || echo gone; }
paste_with_empty_clipboard "$main" $TXT_INFO
check "empty paste: information box" "$(alive)" "alive"
click_at "$main" 1080 3720 975 255 # Step Table
viewer=$(wait_window "Extended Earthdawn Step Table")
paste_with_empty_clipboard "$viewer" 120 120 9375 7215
check "empty paste: viewer" "$(alive)" "alive"
click_at "$viewer" 120 7440 1455 375
click_at "$main" 120 1440 1815 375 # action button 0 takes the focus
xdotool key F7
editor=$(wait_window "Edit Action Button")
paste_with_empty_clipboard "$editor" 120 720 9255 6255
check "empty paste: editor" "$(alive)" "alive"
check "empty paste: editor text whole" "$(copy_from "$editor" 120 720 9255 6255)" \
    "A brawl breaks out${NL}A bard sings"
click_at "$editor" 1800 7080 1575 375 # Cancel

# A step roll: step 12.
click_at "$main" $(step_button 11)
check "step roll: dice" "$(copy_from "$main" $TXT_DICES)" "2D10"
check "step roll: message" "$(copy_from "$main" $TXT_INFO)" \
    "You rolled with step 12 an the result was [0-9]+\.${NL}\([0-9]+\) Dice\(s\) have been rolled\."

# F7 on a step button: focus it with Tab from the samples box, then F7.
click_at "$main" $TXT_SAMPLES
xdotool key Tab # action button 0
for _ in $(seq 20); do xdotool key Tab; done # step button 1
xdotool key F7
viewer=$(wait_window "Step result distribution")
report=$(copy_from "$viewer" 120 120 9375 7215)
check "distribution: heading" "$(printf '%s\n' "$report" | head -n 2 | tr '\n' '|')" \
    "Distribution for step 1   \(N=1000 samples\)\.\|Dice\(s\): D4-2\|"
click_at "$viewer" 120 7440 1455 375 # OK closes the viewer

# The Menu key on the focused step button: its context menu, then the Step Odds window.
xdotool windowfocus --sync "$main"
xdotool key Menu
sleep 0.3
xdotool key Down Return
odds=$(wait_window "Step Odds")
check "step odds: opened by the Menu key" "$(xdotool getwindowname "$odds")" "Step Odds"
xdotool windowfocus --sync "$odds"
xdotool key Escape
sleep 0.3
check "step odds: Esc closes it" "$(xdotool search --all --onlyvisible --pid "$pid" --name '^Step Odds$' | wc -l)" "0"

# Statistics for 50 samples.
click_at "$main" $TXT_SAMPLES
xdotool key ctrl+a type 50
click_at "$main" 120 960 1095 255
viewer=$(wait_window "Step Statistics")
report=$(copy_from "$viewer" 120 120 9375 7215)
check "statistics: heading" "$(printf '%s\n' "$report" | head -n 1)" "Step Statistics / Number of Samples N =50"
check "statistics: step lines" "$(printf '%s\n' "$report" | grep -c '^Step: ')" "100"
click_at "$viewer" 120 7440 1455 375

# Clear, then a free D6.
click_at "$main" 9600 6720 975 255
click_at "$main" 5160 4440 615 255
check "free die: result" "$(copy_from "$main" $TXT_RESULT)" " [0-9]+"
check "free die: dice" "$(copy_from "$main" $TXT_DICES)" "\+D6"
check "free die: message" "$(copy_from "$main" $TXT_INFO)" "${NL}D6 added\."

# A decision between 5.
click_at "$main" $((6000)) $((4080 + 360 * 3)) 375 255
check "decision: dice" "$(copy_from "$main" $TXT_DICES)" "Decision: 5"
check "decision: message" "$(copy_from "$main" $TXT_INFO)" \
    "A decision was made between 5 possibilities\. The result was [1-5]\."

# An action draw, then F7 on the same (focused) button and an edit saved by Ok.
click_at "$main" 120 1440 1815 375
check "action: message" "$(copy_from "$main" $TXT_INFO)" "A brawl breaks out|A bard sings"
check "action: dice" "$(copy_from "$main" $TXT_DICES)" "Action: Tavern"
click_at "$main" 120 1440 1815 375
xdotool key F7
editor=$(wait_window "Edit Action Button")
click_at "$editor" 1320 120 2055 285
xdotool key ctrl+a type "Inn"
click_at "$editor" 120 720 9255 6255
xdotool key ctrl+a type "Ale"
xdotool key Return type "Mead"
click_at "$editor" 120 7080 1575 375
hex() { od -An -tx1 | tr -d ' \n'; }
check "editor: file on disk" "$(hex < Action1.txt)" "$(printf 'Inn\r\nAle\r\nMead\r\n' | hex)"
click_at "$main" 120 1440 1815 375
check "editor: new caption" "$(copy_from "$main" $TXT_DICES)" "Action: Inn"

# Help and About.
click_at "$main" 9600 6360 975 255
viewer=$(wait_window "Tessarion 1.0 - Help")
check "help: result box" "$(copy_from "$main" $TXT_RESULT)" "Help"
check "help: first line" "$(copy_from "$viewer" 120 120 9375 7215 | head -n 1)" "Tessarion 1.0 - Help"
click_at "$main" 9600 7080 975 255
check "about: message" "$(copy_from "$main" $TXT_INFO)" \
    "Tessarion is written by the Tessarion project\.${NL}Tessarion is freeware: you may use, copy and share it free of charge\."
check "about: result" "$(copy_from "$main" $TXT_RESULT)" "TESSARION"

# Exit, with the help viewer still open.
click_at "$main" 9600 7440 975 255
code=0
for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
wait "$pid" || code=$?
check "exit code" "$code" "0"
[ "$code" -eq 0 ] || head -c 3000 stderr

echo "end-to-end session: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
