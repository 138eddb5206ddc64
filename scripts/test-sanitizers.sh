#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the whole test suite with AddressSanitizer and
# UndefinedBehaviorSanitizer (./build-asan, see build-sanitizers.sh) and runs
# it. Any sanitizer report fails the test that caused it.
set -eu
cd "$(dirname "$0")/.."

./scripts/build-sanitizers.sh
. ./scripts/sanitizer-env.sh
ctest --test-dir build-asan --output-on-failure --parallel 2
