# What the end-to-end and install tests do on an X display with the program whose process
# id is in $pid: find its windows, click its controls at the layout's positions, read a
# control back through the clipboard. Every wait has a deadline, never a fixed length.

# Runs a command until it succeeds; fails once the deadline has passed.
DEADLINE_SECONDS=30
wait_until() { # command...
    local deadline=$((SECONDS + DEADLINE_SECONDS))
    until "$@"; do
        [ "$SECONDS" -lt "$deadline" ] || return 1
        sleep 0.05
    done
}

visible_window() { # title -> id of the visible window with that title, if any
    xdotool search --all --onlyvisible --pid "$pid" --name "^$1\$" 2>/dev/null | head -n 1 || true
}
has_window() { [ -n "$(visible_window "$1")" ]; }
lacks_window() { [ -z "$(visible_window "$1")" ]; }

# Side windows go right of the main window, so they never cover it.
at_the_side() { # window
    xdotool getwindowgeometry "$1" 2>/dev/null | grep -q 'Position: 760,0 ' \
        || { xdotool windowmove "$1" 760 0 2>/dev/null; return 1; }
}

wait_window() { # title -> window id of the visible window with that title, placed
    wait_until has_window "$1" || { echo "no window titled '$1'" >&2; return 1; }
    local id
    id=$(visible_window "$1")
    [ "$1" = "Tessarion 1.0" ] || wait_until at_the_side "$id"
    echo "$id"
}

# Keys go to the window with the X focus. A click gives it to its window, but only once
# the program has handled the click: keys sent before that would go to another window.
focused() { [ "$(xdotool getwindowfocus 2>/dev/null || true)" = "$1" ]; }
focus() { # window
    focused "$1" || xdotool windowfocus "$1" 2>/dev/null || true
    wait_until focused "$1"
}

# Centre of a control given in twips, clicked inside window $1.
press() { # window left top width height [button]
    xdotool mousemove --window "$1" $(( ($2 + $4 / 2) / 15 )) $(( ($3 + $5 / 2) / 15 )) click "${6:-1}"
}

# The same for a control whose window stays open, and then has the focus.
click_at() { # window left top width height [button]
    press "$@"
    wait_until focused "$1"
}

# A click on a control that closes its window, which then is gone.
close_with() { # title window left top width height
    press "${@:2}"
    wait_until lacks_window "$1" || true
}

# When the clipboard's owner took it: every copy changes it, even of the same text.
# Nothing of ours goes into the clipboard, where a paste not yet handled would find it.
clipboard_time() { xclip -o -selection clipboard -t TIMESTAMP 2>/dev/null | od -An -tx1 || true; }
copied_since() { [ "$(clipboard_time)" != "$1" ]; }

copy_from() { # window left top width height -> the control's whole text
    local before
    before=$(clipboard_time)
    click_at "$@"
    xdotool key ctrl+a ctrl+c
    wait_until copied_since "$before" || true
    xclip -o -selection clipboard 2>/dev/null | tr -d '\r' || true
}
