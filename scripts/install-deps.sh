#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs every Debian package kerubara needs to build, run and test.
# When every one of them is installed already it does nothing at all (no
# root, no network); otherwise it updates the package lists and installs
# what is missing. The HTS voice the program speaks with is in Debian's
# contrib section: when it is missing and contrib is not enabled yet, a
# sources file of our own enables it (kerubara-contrib.sources, for the
# archive the system already uses), before the package lists are updated.
set -eu

PACKAGES="
  build-essential cmake ninja-build pkg-config git
  qt6-base-dev qt6-base-dev-tools libgl-dev
  qt6-tools-dev qt6-l10n-tools
  libbenchmark-dev
  libsdl2-dev libsamplerate0-dev
  libfluidsynth-dev timgm6mb-soundfont
  libespeak-ng-dev espeak-ng-data
  libhtsengine-dev open-jtalk-mecab-naist-jdic hts-voice-nitech-jp-atr503-m001
  libmecab-dev mecab-ipadic-utf8 kanjidic
  fonts-ipafont-gothic fonts-ipafont-mincho fonts-noto-cjk
  libzint-dev zbar-tools
  libzip-dev
  libavformat-dev libavcodec-dev libswresample-dev libswscale-dev libavutil-dev
  qt6-translations-l10n
  xvfb xauth openbox x11-utils
  scdoc librsvg2-bin
  lintian appstream desktop-file-utils man-db python3
  xdotool imagemagick
  clang-14 libclang-rt-14-dev llvm-14
"

missing=
for package in $PACKAGES; do
  status=$(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null || true)
  [ "$status" = installed ] || missing="$missing $package"
done
[ -n "$missing" ] || exit 0

if [ "$(id -u)" -ne 0 ]; then
  SUDO=sudo
else
  SUDO=
fi

contrib=/etc/apt/sources.list.d/kerubara-contrib.sources
voice=hts-voice-nitech-jp-atr503-m001

# The URI of the archive that serves bookworm's main section here.
archive_uri() {
  if [ -r /etc/apt/sources.list.d/debian.sources ]; then
    awk '/^URIs:/ { uri = $2 } /^Suites:/ { for (i = 2; i <= NF; i++) if ($i == "bookworm") { print uri; exit } }' \
      /etc/apt/sources.list.d/debian.sources
  fi
  if [ -r /etc/apt/sources.list ]; then
    awk '$1 == "deb" && $3 == "bookworm" { print $2; exit }' /etc/apt/sources.list
  fi
}

case " $missing " in
  *" $voice "*)
    if [ ! -e "$contrib" ]; then
      uri=$(archive_uri | head -n 1)
      if [ -z "$uri" ]; then
        echo "install-deps.sh: no Debian bookworm archive is configured; enable its contrib section for $voice" >&2
        exit 1
      fi
      printf 'Types: deb\nURIs: %s\nSuites: bookworm\nComponents: contrib\nSigned-By: /usr/share/keyrings/debian-archive-keyring.gpg\n' \
        "$uri" | $SUDO tee "$contrib" >/dev/null
    fi
    ;;
esac

export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update
# shellcheck disable=SC2086
$SUDO apt-get install -y --no-install-recommends $missing
