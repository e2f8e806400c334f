#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The vantrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages vantrel needs, as root, on Debian 12.
#   scripts/deps.sh run    what building and running the program needs
#   scripts/deps.sh test   that, plus what the test suite needs
set -euo pipefail

# Qt Linguist's tools build the translations; Qt's own come with qt6-translations-l10n.
packages=(cmake make g++ pkg-config qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev
          qt6-tools-dev qt6-l10n-tools qt6-translations-l10n fonts-dejavu-core ffmpeg)
if [ "${1:-run}" = test ]; then
    # sanitizer and fuzzing builds, packaging checks
    packages+=(clang libclang-rt-dev dpkg-dev desktop-file-utils appstream)
    # the Debian package's build, lintian and the licence check
    packages+=(build-essential debhelper lintian reuse)
    # vantrel run as its own process on a virtual X server, clicked, sent keys and ended
    packages+=(xvfb xdotool)
    # the desktop tests run a private session bus and switch accessibility on
    packages+=(dbus-daemon qt6-base-private-dev)
fi

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    if [ "$(id -u)" -ne 0 ]; then
        echo "Missing packages: ${missing[*]}; run this as root, or install them." >&2
        exit 1
    fi
    export DEBIAN_FRONTEND=noninteractive
    apt-get update
    apt-get install -y --no-install-recommends "${missing[@]}"
fi
