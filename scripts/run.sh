#!/bin/sh
# Sets everything up (packages, build) and starts the simulator on the bundled
# sample route 12. The program looks for fare and announcement data in the
# folders set in its options; they start empty, which means the current
# folder, so it runs from the folder that holds the built sample route.
set -eu
cd "$(dirname "$0")/.."

./scripts/install-deps.sh
./scripts/build.sh
cd build/examples
exec ../app/kerubara
