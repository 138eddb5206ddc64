#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets everything up (packages, build), builds the Debian package
# build/kerubara_<version>_amd64.deb with CPack and checks it with lintian.
set -eu
cd "$(dirname "$0")/.."

./scripts/install-deps.sh
./scripts/build.sh
cd build
rm -f kerubara_*_amd64.deb
cpack -G DEB
# The package's checks: no errors and no warnings (overrides give reasons).
lintian --fail-on error,warning kerubara_*_amd64.deb
echo "Built $(pwd)/$(ls kerubara_*_amd64.deb)"
