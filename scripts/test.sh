#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets everything up (packages, build), checks that no file reaches a header,
# a Qt module or a library of a higher layer, and runs every test suite.
set -eu
cd "$(dirname "$0")/.."

./scripts/install-deps.sh
./scripts/build.sh
./scripts/check-layers.sh
ctest --test-dir build --output-on-failure --parallel 2
