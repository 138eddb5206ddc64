#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Configures and builds kerubara, its data tool, the tests and the benchmarks
# into ./build. A build that is already configured is only brought up to
# date (the build itself configures again when a CMake file changed).
set -eu
cd "$(dirname "$0")/.."

# CMake's file API tells the layer check what each target links.
mkdir -p build/.cmake/api/v1/query && : >build/.cmake/api/v1/query/codemodel-v2
[ -f build/build.ninja ] || cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --parallel 2
