#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Configures and builds kerubara, its data tool, the tests and the benchmarks
# into ./build.
set -eu
cd "$(dirname "$0")/.."

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --parallel 2
