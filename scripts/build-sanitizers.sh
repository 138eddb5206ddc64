#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Configures and builds the sanitizer build in ./build-asan: everything
# compiled by clang with AddressSanitizer and UndefinedBehaviorSanitizer
# (-fno-sanitize-recover: the first error ends the program), the tests and
# the fuzz targets, no benchmarks. Builds the targets given as arguments, or
# everything.
#
# The data tool runs during the build (it makes the sample files), so the
# build already runs under the sanitizers' options.
set -eu
cd "$(dirname "$0")/.."
. ./scripts/sanitizer-env.sh

mkdir -p build-asan/.cmake/api/v1/query && : >build-asan/.cmake/api/v1/query/codemodel-v2
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14 \
  -DKERUBARA_SANITIZE=ON -DKERUBARA_BUILD_FUZZ=ON -DKERUBARA_BUILD_BENCH=OFF
if [ "$#" -gt 0 ]; then
  cmake --build build-asan --parallel 2 --target "$@"
else
  cmake --build build-asan --parallel 2
fi
