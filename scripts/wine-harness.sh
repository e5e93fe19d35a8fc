#!/usr/bin/env bash
# Runs a Windows program under Wine in one of the project's throwaway prefixes.
#
#   wine-harness.sh PROGRAM.exe [ARGS...]   run a program, exit with its code
#   wine-harness.sh --stop                  shut the prefix's wineserver and display down
#   wine-harness.sh --prefix                print the prefix's folder
#
# TESSALY_WINE_ARCH picks the Wine: win32 (the default) runs 32-bit programs
# in a 32-bit prefix; win64 runs 64-bit programs, and 32-bit ones through
# WoW64 where the machine can run them, in a 64-bit prefix of its own. The
# loader and server of that architecture are called directly: Debian's
# `wine` wrapper and the helper scripts that call it pick the 32-bit loader
# whenever it is installed, even where it cannot run.
#
# The prefix lives in the build tree (TESSALY_WINEPREFIX, default
# build/wineprefix; a 64-bit one gets "-x64" appended), never in ~/.wine. The
# locale is TESSALY_LOCALE (default zh_CN) in UTF-8; Wine takes each
# program's ANSI code page from it: zh_CN 936, zh_TW 950, ja_JP 932, en_US 1252.
# winemenubuilder is disabled: saving a .lnk must not create Linux menu entries.
# A virtual X display is started on first need and reused until --stop;
# TESSALY_USE_DISPLAY=1 uses $DISPLAY instead. Its screen is 1280x1024;
# TESSALY_SCREEN=WIDTHxHEIGHT gives another size, in a prefix and on a display
# of their own, both stopped when the program ends.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
prefix=${TESSALY_WINEPREFIX:-$root/build/wineprefix}
unset WINELOADER
case ${TESSALY_WINE_ARCH:-win32} in
    win32)
        loader=/usr/lib/wine/wine
        export WINESERVER=/usr/lib/wine/wineserver32
        ;;
    win64)
        loader=/usr/lib/wine/wine64
        export WINESERVER=/usr/lib/wine/wineserver64
        # The loader a 64-bit process starts a 32-bit one with is this name
        # without its "64".
        export WINELOADER=$loader
        prefix=$prefix-x64
        ;;
    *)
        echo "wine-harness: TESSALY_WINE_ARCH must be win32 or win64, not '$TESSALY_WINE_ARCH'" >&2
        exit 2
        ;;
esac
screen=${TESSALY_SCREEN:-1280x1024}
[ -z "${TESSALY_SCREEN:-}" ] || prefix=$prefix-$screen
export WINEPREFIX=$prefix WINEARCH=${TESSALY_WINE_ARCH:-win32}
export WINEDEBUG=${TESSALY_WINEDEBUG:--all}
export WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree=d;mshtml=d"
export LANG=${TESSALY_LOCALE:-zh_CN}.UTF-8 LC_ALL=${TESSALY_LOCALE:-zh_CN}.UTF-8

display_file=$WINEPREFIX.display

stop() {
    if [ -d "$WINEPREFIX" ]; then
        "$WINESERVER" -k 2>/dev/null || true
    fi
    if [ -f "$display_file" ]; then
        read -r _ pid <"$display_file" || true
        [ -n "${pid:-}" ] && kill "$pid" 2>/dev/null || true
        rm -f "$display_file"
    fi
}

start_display() {
    mkdir -p "$(dirname "$WINEPREFIX")"
    if [ -f "$display_file" ]; then
        read -r number pid <"$display_file" || true
        if [ -n "${pid:-}" ] && kill -0 "$pid" 2>/dev/null; then
            export DISPLAY=:$number
            return
        fi
    fi
    # Find a free display number, start Xvfb on it and wait until it answers
    # (well under a second when idle). An Xvfb that ends has lost the number
    # to another run: the next one is tried.
    local budget=120 started
    for number in $(seq 90 140); do
        [ -e /tmp/.X11-unix/X$number ] || [ -e /tmp/.X$number-lock ] && continue
        Xvfb :$number -screen 0 "${screen}x24" -nolisten tcp >/dev/null 2>&1 &
        pid=$!
        started=$SECONDS
        while kill -0 $pid 2>/dev/null; do
            if DISPLAY=:$number xdpyinfo >/dev/null 2>&1; then
                echo "$number $pid" >"$display_file"
                export DISPLAY=:$number
                return
            fi
            if [ $((SECONDS - started)) -ge $budget ]; then
                kill $pid 2>/dev/null || true
                echo "wine-harness: set-up failure: Xvfb on :$number did not answer within $budget s" >&2
                exit 1
            fi
            sleep 0.1
        done
    done
    echo "wine-harness: could not start Xvfb: no display number from :90 to :140 was free" >&2
    exit 1
}

# Wine links the profile's Desktop, Documents and so on to the Linux home
# folder; shortcuts written by tests must stay inside the prefix.
unlink_profile_folders() {
    local link
    for link in "$WINEPREFIX"/drive_c/users/*/*; do
        if [ -L "$link" ]; then
            rm "$link"
            mkdir "$link"
        fi
    done
}

make_prefix() {
    [ -f "$WINEPREFIX/.tessaly-ready" ] && return
    mkdir -p "$(dirname "$WINEPREFIX")"
    if ! "$loader" wineboot -i >/dev/null 2>&1 || ! "$WINESERVER" -w; then
        echo "wine-harness: $loader could not make the prefix $WINEPREFIX" >&2
        exit 1
    fi
    unlink_profile_folders
    # A stand-in browser records every address it is asked to open, so tests
    # never start a real one.
    local recorder_dir=$WINEPREFIX/drive_c/tessaly-test
    mkdir -p "$recorder_dir"
    cp "$root/tests/support/record-url.cmd" "$recorder_dir/record-url.cmd"
    "$loader" reg add 'HKCR\http\shell\open\command' /ve /d 'C:\tessaly-test\record-url.cmd "%1"' /f >/dev/null 2>&1
    "$loader" reg add 'HKCR\https\shell\open\command' /ve /d 'C:\tessaly-test\record-url.cmd "%1"' /f >/dev/null 2>&1
    # Xvfb runs no window manager: Wine draws the frames itself, and closing a
    # window does not wait for a manager that will never answer.
    "$loader" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
    # The dialogs ask for 宋体 (SimSun); the bitmap-hinted face of the installed
    # Chinese font draws it without clipped glyphs at 9 points.
    local face
    for face in 宋体 SimSun; do
        "$loader" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$face" \
            /d 'WenQuanYi Zen Hei Sharp' /f >/dev/null 2>&1
    done
    "$WINESERVER" -w
    touch "$WINEPREFIX/.tessaly-ready"
}

case "${1:-}" in
    --stop)
        stop
        exit 0
        ;;
    --prefix)
        echo "$WINEPREFIX"
        exit 0
        ;;
esac
[ $# -ge 1 ] || { echo "usage: $0 PROGRAM.exe [ARGS...] | --stop | --prefix" >&2; exit 2; }

if [ "${TESSALY_USE_DISPLAY:-}" != 1 ] || [ -z "${DISPLAY:-}" ]; then
    start_display
fi
make_prefix
if [ -n "${TESSALY_SCREEN:-}" ]; then
    status=0
    "$loader" "$@" || status=$?
    stop
    exit $status
fi
exec "$loader" "$@"
