#!/usr/bin/env bash
# The standard install as a packager and a desktop user meet it: installed into a
# temporary prefix, its layout, its desktop and metainfo files through their validators,
# its Debian package, and the installed program started from its bin/ folder (no data
# beside it) on a virtual display, where a user who may not write the prefix edits an
# action table and finds the edit again after a restart.
#
#   install.sh CMAKE CPACK BUILD_DIR SOURCE_DIR
#
# As root the program runs as the user nobody; as anyone else the prefix is made
# read-only instead. Where neither can be done, the rest is checked and the test is
# skipped (exit code 77) with a message. Everything goes into one temporary folder,
# removed at the end; HOME and the XDG folders point into it.
set -euo pipefail

ID=org.tessarion.Tessarion
passed=0
failed=0
check() { # name, actual, expected text
    if [ "$2" = "$3" ]; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        printf 'FAIL %s\n  got:      %q\n  expected: %q\n' "$1" "$2" "$3"
    fi
}

# The part on the display, run as the user: install.sh --session PREFIX SHIPPED_ACTION1
if [ "${1:-}" = "--session" ]; then
    source "$(dirname "$0")/../support/x11.sh"
    prefix=$2
    shipped=$3
    wm_class=$(sed -n 's/^StartupWMClass=//p' "$prefix/share/applications/$ID.desktop")
    own=$XDG_DATA_HOME/Tessarion/tessarion
    cd "$HOME"
    pid=""
    trap '[ -z "$pid" ] || kill "$pid" 2>/dev/null || true' EXIT

    start() { "$prefix/bin/tessarion" 2>>"$HOME/stderr" & pid=$!; }
    drawn_caption() { # window -> the dice box after a click on the first action button
        click_at "$1" 120 1440 1815 375
        copy_from "$1" 120 120 2895 285
    }
    stop() { kill "$pid"; wait "$pid" 2>/dev/null || true; pid=""; }

    start
    main=$(wait_window "Tessarion 1.0")
    check "the window's class is the desktop file's StartupWMClass" \
        "$(xdotool search --onlyvisible --class "^$wm_class\$" | grep -cx "$main")" "1"
    check "shipped caption" "$(drawn_caption "$main")" "Action: $(head -n 1 "$shipped" | tr -d '\r')"

    click_at "$main" 120 1440 1815 375 # the first action button takes the focus
    xdotool key F7
    editor=$(wait_window "Edit Action Button")
    click_at "$editor" 1320 120 2055 285
    xdotool key ctrl+a type "Installed tavern"
    close_with "Edit Action Button" "$editor" 120 7080 1575 375 # Ok
    check "edit saved in the user's data folder" "$(head -n 1 "$own/Action1.txt" 2>&1 | tr -d '\r')" \
        "Installed tavern"
    check "shipped file unchanged" "$(cmp "$prefix/share/tessarion/Action1.txt" "$shipped" && echo same)" "same"
    check "edited caption" "$(drawn_caption "$main")" "Action: Installed tavern"
    stop

    start
    main=$(wait_window "Tessarion 1.0")
    check "edited caption after a restart" "$(drawn_caption "$main")" "Action: Installed tavern"
    stop
    check "no message on stderr" "$(cat "$HOME/stderr")" ""
    echo "session: $passed passed, $failed failed"
    [ "$failed" -eq 0 ]
    exit
fi

cmake=$1
cpack=$2
build=$3
source=$4

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
chmod 755 "$work"
prefix=$work/prefix
"$cmake" --install "$build" --prefix "$prefix" >/dev/null

# The standard layout, and nothing else.
expected=$({
    echo bin/tessarion
    for file in "$source"/data/*.txt; do echo "share/tessarion/${file##*/}"; done
    echo "share/applications/$ID.desktop"
    echo "share/metainfo/$ID.metainfo.xml"
    for size in 16 32 48 64 128 256; do echo "share/icons/hicolor/${size}x$size/apps/$ID.png"; done
    echo "share/icons/hicolor/scalable/apps/$ID.svg"
    echo share/doc/tessarion/LICENSE
    echo share/doc/tessarion/README.md
} | sort)
check "layout" "$(cd "$prefix" && find . ! -type d | sed 's|^\./||' | sort)" "$expected"
check "no run-time search path" "$(readelf -d "$prefix/bin/tessarion" | grep -E 'RPATH|RUNPATH' || true)" ""

desktop=$prefix/share/applications/$ID.desktop
check "desktop-file-validate" "$(desktop-file-validate "$desktop" 2>&1 && echo valid)" "valid"
check "appstreamcli validate" \
    "$(appstreamcli validate --no-net --strict "$prefix/share/metainfo/$ID.metainfo.xml" 2>&1 >/dev/null && echo valid)" \
    "valid"
check "desktop file: command and icon" "$(grep -E '^(Exec|Icon)=' "$desktop")" \
    "Exec=tessarion
Icon=$ID"

# The package: the same layout under /usr, with its library dependencies.
"$cpack" --config "$build/CPackConfig.cmake" -B "$work/package" >"$work/cpack.log" 2>&1 \
    || { cat "$work/cpack.log"; exit 1; }
deb=$(ls "$work"/package/*.deb)
check "package layout" \
    "$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $6}' | sed 's|^\./usr/||' | sort)" "$expected"
check "package depends on Qt" "$(dpkg-deb -f "$deb" Depends | grep -o 'libqt6widgets6' | head -n 1)" \
    "libqt6widgets6"

# The program, as a user who may not write the prefix.
user=$work/user
mkdir -p "$user/data" "$user/config" "$user/runtime"
chmod 700 "$user/runtime"
run_as=()
skip=""
if [ "$(id -u)" -eq 0 ]; then
    if id nobody >/dev/null 2>&1 && command -v setpriv >/dev/null; then
        chown -R nobody "$user"
        run_as=(setpriv --reuid="$(id -u nobody)" --regid="$(id -g nobody)" --clear-groups)
    else
        skip="no user nobody or no setpriv to run the program as an unprivileged user"
    fi
else
    chmod -R a-w "$prefix"
    trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
fi
if [ -z "$skip" ] && "${run_as[@]}" test -w "$prefix/share/tessarion"; then
    skip="this user may write the install anyway"
fi
before=$(cd "$prefix" && find . -printf '%p %s %T@\n' | sort)
if [ -z "$skip" ]; then
    session=0
    "${run_as[@]}" env -u QT_QPA_PLATFORM HOME="$user" XDG_DATA_HOME="$user/data" \
        XDG_CONFIG_HOME="$user/config" XDG_RUNTIME_DIR="$user/runtime" \
        xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" "$0" --session "$prefix" "$source/data/Action1.txt" \
        || session=$?
    check "session as a user who may not write the install" "$session" "0"
    check "install untouched" "$(cd "$prefix" && find . -printf '%p %s %T@\n' | sort)" "$before"
fi

echo "install: $passed passed, $failed failed"
[ "$failed" -eq 0 ] || exit 1
if [ -n "$skip" ]; then
    echo "SKIP the session: $skip"
    exit 77
fi
