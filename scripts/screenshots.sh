#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes the README's screenshots (docs/*.png) again: the simulator on the
# sample route under a virtual X server, driven with xdotool and captured
# with imagemagick's import. Sets everything up (packages, build) first.
#
#     ./scripts/screenshots.sh              # into docs/
#     ./scripts/screenshots.sh --no-build   # with the build as it is
#
# The program runs on the demonstration's settings with the full sample
# ticket in the preview, in a folder of its own, so nothing of the user's
# (settings, voice) is read or written.
set -eu
cd "$(dirname "$0")/.."

# Clicks at window-relative positions; the control panel's layout is fixed,
# so the positions below hold as long as it does.
click() { # WINDOW X Y
    xdotool mousemove --window "$1" "$2" "$3" click 1
    sleep 0.4
}

# A window's picture, reduced to a small palette: the windows are flat
# colours, and the README's pictures should stay small.
shoot() { # WINDOW FILE
    import -window "$1" "$work/shot.png"
    convert "$work/shot.png" +dither -colors 64 -strip "png8:$out/$2"
    echo "  $out/$2"
}

session() { # BUILD OUT
    build=$(realpath "$1")
    out=$(realpath "$2")
    work=$(mktemp -d)
    pid=
    trap 'stop; rm -rf "$work"' EXIT
    examples=$build/examples

    # The demonstration as ./scripts/run.sh starts it: its settings (the
    # built sample route, the chimes, the full sample ticket, the preview
    # open) and the backlight on.
    cp "$examples/demo-settings.in4" "$work/shots.in4"

    mkdir -p "$work/home"
    HOME=$work/home XDG_CONFIG_HOME=$work/home/.config SDL_AUDIODRIVER=dummy \
        "$build/app/kerubara" --settings "$work/shots.in4" --backlight ON1 &
    pid=$!
    console=$(xdotool search --sync --onlyvisible --name '^集中操作盤$' | head -1)
    panel=$(xdotool search --sync --onlyvisible --name '^ケルバラケーション' | head -1)
    sleep 2

    # Route 00012, section 001 on the digit lists (a row is 13 pixels), then
    # リセット: the lamp test runs for three seconds.
    row() { echo $((48 + 13 * $1)); }
    click "$console" 22 "$(row 0)"
    click "$console" 44 "$(row 0)"
    click "$console" 66 "$(row 0)"
    click "$console" 88 "$(row 1)"
    click "$console" 110 "$(row 2)"
    click "$console" 140 "$(row 0)"
    click "$console" 162 "$(row 0)"
    click "$console" 184 "$(row 1)"
    click "$console" 104 207
    sleep 4
    # Three steps with データ送り: the bus is at 市役所前.
    for _ in 1 2 3; do
        click "$console" 317 31
        sleep 1
    done
    sleep 1
    shoot "$panel" panel-trip.png
    shoot "$console" ticket-preview.png

    # << closes the ticket preview beside the control panel.
    click "$console" 340 300
    sleep 1
    shoot "$console" control-panel.png

    # 設定... and each of the six pages of the options.
    click "$console" 237 248
    options=$(xdotool search --sync --onlyvisible --name '^オプション$' | head -1)
    sleep 1
    page=1
    for y in 34 89 145 202 257 313; do
        click "$options" 47 "$y"
        sleep 0.5
        shoot "$options" "options-$page.png"
        page=$((page + 1))
    done

    # Ended without its exit question, so the settings are not saved.
    stop
}

# Ends the program: politely, then for certain.
stop() {
    [ -n "$pid" ] || return 0
    kill "$pid" 2>/dev/null || true
    for _ in 1 2 3 4 5 6 7 8 9 10; do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.5
    done
    kill -9 "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    pid=
}

if [ "${1-}" = --session ]; then
    session "$2" "$3"
    exit
fi
if [ "${1-}" != --no-build ]; then
    ./scripts/install-deps.sh
    ./scripts/build.sh
fi
mkdir -p docs
echo "Taking the screenshots:"
xvfb-run -a -s "-screen 0 1024x768x24" "$0" --session "${KERUBARA_BUILD:-build}" docs
