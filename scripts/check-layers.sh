#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks that no source file includes a header of a higher layer. The layers,
# from the ground up, and the folders each may include (its own and lower):
#
#   reslib/             reslib
#   controls/*/         reslib, controls
#   sound/              reslib, sound
#   settings/           reslib, settings
#   operation/          reslib, sound, settings, operation
#   dialogs/            reslib, controls, sound, dialogs (all that needs QtWidgets below the windows)
#   windows/            all of the above, windows
#   tools/              all of the above, tools
#   app/                everything
#
# Two more rules keep the windows thin:
#   - a window is handed only the parts it uses: no window names Simulator
#     (Simulator wires the parts; the start-up and settings-file modules
#     mdlIniIoEx and mdlzed_000 work on all of them);
#   - the options window's controls are its own: only tests and benchmarks
#     call controlsForTesting().
#
# Prints each line that breaks a rule and exits with 1 when there is any.
set -eu
cd "$(dirname "$0")/.."

allowed() { # FOLDER -> the folders its files may include
    case "$1" in
    reslib) echo "reslib" ;;
    controls/*) echo "reslib controls" ;;
    sound) echo "reslib sound" ;;
    settings) echo "reslib settings" ;;
    operation) echo "reslib sound settings operation" ;;
    dialogs) echo "reslib controls sound dialogs" ;;
    windows) echo "reslib controls sound settings operation dialogs windows" ;;
    tools) echo "reslib controls sound settings operation dialogs windows tools" ;;
    app) echo "reslib controls sound settings operation dialogs windows tools app" ;;
    esac
}

status=0
for folder in reslib controls/digit controls/stopname sound settings operation dialogs windows tools app; do
    ok=$(allowed "$folder")
    for file in "$folder"/*.cpp "$folder"/*.h; do
        [ -e "$file" ] || continue
        # Project headers are included by their path from the top: "layer/File.h".
        grep -n '^#include "[a-z_]*/' "$file" | while IFS= read -r line; do
            target=$(printf '%s\n' "$line" | sed 's/^[0-9]*:#include "\([a-z_]*\)\/.*/\1/')
            case " $ok " in
            *" $target "*) ;;
            *) echo "$file:${line%%:*}: ${line#*:} (a $folder file may include only: $ok)" ;;
            esac
        done
    done
done >"${TMPDIR:-/tmp}/check-layers.$$"
for file in windows/*.cpp windows/*.h; do
    case "$file" in
    windows/Simulator.* | windows/mdlIniIoEx.* | windows/mdlzed_000.*) continue ;;
    esac
    grep -n '\bSimulator\b' "$file" | sed "s|^|$file:|;s|\$| (a window is handed the parts it uses, not the Simulator)|"
done >>"${TMPDIR:-/tmp}/check-layers.$$"
grep -rn 'ForTesting()' reslib controls sound settings operation dialogs windows tools app \
    | grep -v 'windows/frmOption.h:.*controlsForTesting() const {' \
    | sed 's/$/ (only tests and benchmarks reach a window'"'"'s controls)/' >>"${TMPDIR:-/tmp}/check-layers.$$"
if [ -s "${TMPDIR:-/tmp}/check-layers.$$" ]; then
    cat "${TMPDIR:-/tmp}/check-layers.$$"
    status=1
fi
rm -f "${TMPDIR:-/tmp}/check-layers.$$"
[ "$status" -eq 0 ] && echo "Layers: no file includes a header of a higher layer; the windows are handed only what they use."
exit "$status"
