#!/usr/bin/env bash
# A whole session with the real program on a real X display, driven only by X input
# (clicks at the layout's positions, key presses) and read back as a user can: select
# all, copy, read the clipboard; the files on disk. Every step waits for what it needs
# (a window, the focus, the clipboard, a file) with a deadline, never for a fixed time,
# so a busy machine only makes it slower.
set -euo pipefail
if [ -z "${TESSARION_ON_XVFB:-}" ]; then
    # Without -noreset the server resets whenever its last client leaves, and refuses or
    # strands a client that connects meanwhile, as the program may right after a check.
    exec xvfb-run -a -s "-screen 0 1600x1200x24 -noreset" env TESSARION_ON_XVFB=1 "$0" "$@"
fi
program=$1
data=$2

folder=$(mktemp -d)
pid=""
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

source "$(dirname "$0")/../support/x11.sh"

step_button() { # index -> left top width height
    echo $((240 + 480 * ($1 / 10))) $((4080 + 360 * ($1 % 10))) 375 255
}

TXT_DICES="120 120 2895 285"
TXT_RESULT="120 480 2895 405"
TXT_INFO="3120 120 7455 1095"
TXT_SAMPLES="2040 960 975 285"
VIEWER_TEXT="120 120 9375 7215"
VIEWER_OK="120 7440 1455 375"
EDITOR_ENTRIES="120 720 9255 6255"
ACTION_0="120 1440 1815 375"
NL=$'\001'

cd "$folder"
./tessarion 2>stderr &
pid=$!
main=$(wait_window "Tessarion 1.0") || { head -c 3000 stderr; exit 1; }
check "main window size" "$(xdotool getwindowgeometry "$main" | awk '/Geometry/ {print $2}')" "711x521"

# Pastes before anything was copied: the clipboard has no owner, and a paste must then
# do nothing, in every multi-line box. Middle click, Ctrl+V, Shift+Insert each time. The
# program is known to have handled them once it has handled what comes next.
paste_with_empty_clipboard() { # window left top width height
    click_at "$@" 2
    xdotool key ctrl+v shift+Insert
}
paste_with_empty_clipboard "$main" $TXT_INFO
press "$main" 1080 3720 975 255 # Step Table
viewer=$(wait_window "Extended Earthdawn Step Table" || true)
paste_with_empty_clipboard "$viewer" $VIEWER_TEXT
close_with "Extended Earthdawn Step Table" "$viewer" $VIEWER_OK
click_at "$main" $ACTION_0 # takes the focus
xdotool key F7
editor=$(wait_window "Edit Action Button")
paste_with_empty_clipboard "$editor" $EDITOR_ENTRIES
check "empty paste: editor text whole" "$(copy_from "$editor" $EDITOR_ENTRIES)" \
    "A brawl breaks out${NL}A bard sings"
check "empty paste in the information box, the viewer and the editor: still running" \
    "$(kill -0 "$pid" 2>/dev/null && echo alive)" "alive"
close_with "Edit Action Button" "$editor" 1800 7080 1575 375 # Cancel

# A step roll: step 12.
click_at "$main" $(step_button 11)
check "step roll: dice" "$(copy_from "$main" $TXT_DICES)" "2D10"
# Two 1s, once in a hundred rolls, are a fumble.
check "step roll: message" "$(copy_from "$main" $TXT_INFO)" \
    "You rolled with step 12 an the result was [0-9]+\.${NL}\([0-9]+\) Dice\(s\) have been rolled\.(${NL}${NL}This this an automatic failure \(fumble\)\.)?"

# F7 on a step button: focus it with Tab from the samples box, then F7.
click_at "$main" $TXT_SAMPLES
xdotool key Tab # action button 0
for _ in $(seq 20); do xdotool key Tab; done # step button 1
xdotool key F7
viewer=$(wait_window "Step result distribution")
report=$(copy_from "$viewer" $VIEWER_TEXT)
check "distribution: heading" "$(printf '%s\n' "$report" | head -n 2 | tr '\n' '|')" \
    "Distribution for step 1   \(N=1000 samples\)\.\|Dice\(s\): D4-2\|"
close_with "Step result distribution" "$viewer" $VIEWER_OK

# The Menu key on the focused step button: its context menu, with its one entry
# highlighted, so Return opens the Step Odds window. The program hands both keys to the
# menu once it is open, even before the menu has the X focus.
focus "$main"
xdotool key Menu Return
odds=$(wait_window "Step Odds" || true)
check "step odds: opened by the Menu key" "$(xdotool getwindowname "$odds" 2>/dev/null)" "Step Odds"
focus "$odds"
xdotool key Escape
wait_until lacks_window "Step Odds" || true
check "step odds: Esc closes it" "$(lacks_window "Step Odds" && echo closed)" "closed"

# Statistics for 50 samples.
click_at "$main" $TXT_SAMPLES
xdotool key ctrl+a type 50
press "$main" 120 960 1095 255 # Statistics
viewer=$(wait_window "Step Statistics")
report=$(copy_from "$viewer" $VIEWER_TEXT)
check "statistics: heading" "$(printf '%s\n' "$report" | head -n 1)" "Step Statistics / Number of Samples N =50"
check "statistics: step lines" "$(printf '%s\n' "$report" | grep -c '^Step: ')" "100"
close_with "Step Statistics" "$viewer" $VIEWER_OK

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
click_at "$main" $ACTION_0
check "action: message" "$(copy_from "$main" $TXT_INFO)" "A brawl breaks out|A bard sings"
check "action: dice" "$(copy_from "$main" $TXT_DICES)" "Action: Tavern"
click_at "$main" $ACTION_0
xdotool key F7
editor=$(wait_window "Edit Action Button")
click_at "$editor" 1320 120 2055 285
xdotool key ctrl+a type "Inn"
click_at "$editor" $EDITOR_ENTRIES
xdotool key ctrl+a type "Ale"
xdotool key Return type "Mead"
close_with "Edit Action Button" "$editor" 120 7080 1575 375 # Ok
saved_as_typed() { printf 'Inn\r\nAle\r\nMead\r\n' | cmp -s - Action1.txt; }
wait_until saved_as_typed || true
check "editor: file on disk" "$(saved_as_typed && echo as typed || od -c Action1.txt)" "as typed"
click_at "$main" $ACTION_0
check "editor: new caption" "$(copy_from "$main" $TXT_DICES)" "Action: Inn"

# Help and About.
press "$main" 9600 6360 975 255 # Help
viewer=$(wait_window "Tessarion 1.0 - Help")
check "help: result box" "$(copy_from "$main" $TXT_RESULT)" "Help"
check "help: first line" "$(copy_from "$viewer" $VIEWER_TEXT | head -n 1)" "Tessarion 1.0 - Help"
click_at "$main" 9600 7080 975 255
check "about: message" "$(copy_from "$main" $TXT_INFO)" \
    "Tessarion is written by the Tessarion project\.${NL}Tessarion is freeware: you may use, copy and share it free of charge\."
check "about: result" "$(copy_from "$main" $TXT_RESULT)" "TESSARION"

# Exit, with the help viewer still open.
press "$main" 9600 7440 975 255
code=0
wait "$pid" || code=$? # a program that never ends runs into the test's timeout
check "exit code" "$code" "0"
[ "$code" -eq 0 ] || head -c 3000 stderr

echo "end-to-end session: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
