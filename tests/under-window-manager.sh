#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a test program on a virtual X server of its own with a real window
# manager (openbox), where windows are framed, placed and focused as on a
# desktop. Usage: under-window-manager.sh PROGRAM [ARGS...]
set -eu
command -v Xvfb >/dev/null && command -v openbox >/dev/null || {
    echo "under-window-manager.sh: Xvfb and openbox are needed (scripts/install-deps.sh installs them)" >&2
    exit 1
}
work=$(mktemp -d)
xvfb=
wm=
cleanup() {
    [ -n "$wm" ] && kill "$wm" 2>/dev/null || true
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT INT TERM

# A display number of its own, told by the server once it listens.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb=$!
tries=0
while [ ! -s "$work/display" ]; do
    tries=$((tries + 1))
    [ "$tries" -le 100 ] || { cat "$work/xvfb.log" >&2; exit 1; }
    sleep 0.1
done
DISPLAY=:$(cat "$work/display")
export DISPLAY

openbox --sm-disable >"$work/openbox.log" 2>&1 &
wm=$!
# The window manager has taken over once it owns the screen's WM selection.
tries=0
until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; do
    tries=$((tries + 1))
    [ "$tries" -le 100 ] || { cat "$work/openbox.log" >&2; exit 1; }
    sleep 0.1
done

# Under AddressSanitizer: libxkbcommon-x11, which Qt's X11 platform uses,
# copies a keymap name of known length with strndup, which the strict string
# check reads as an unterminated C string. Our code stays fully checked.
if [ -n "${ASAN_OPTIONS-}" ]; then
    ASAN_OPTIONS="$ASAN_OPTIONS:strict_string_checks=0"
    export ASAN_OPTIONS
fi

QT_QPA_PLATFORM=xcb "$@"
