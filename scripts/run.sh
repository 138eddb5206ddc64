#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets everything up (packages, build) and starts the simulator on the bundled
# sample route 12, fully set up: data folders, chimes, the ticket preview,
# scrolling and the backlight on (ON1).
#
# The demonstration's settings are build/examples/demo.in4. The first run
# makes it from demo-settings.in4, which the build makes from
# examples/demo-settings.txt; after that the program reads it at start and
# saves to it at the confirmed exit, and the build never touches it. Delete it
# to start again from the demonstration's settings.
set -eu
cd "$(dirname "$0")/.."

./scripts/install-deps.sh
./scripts/build.sh
cd build/examples
[ -e demo.in4 ] || cp demo-settings.in4 demo.in4
exec ../app/kerubara --settings demo.in4 --backlight ON1
