#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The vantrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package, installs it with apt-get, starts the installed program on a
# virtual X server, closes its window as a window manager would, expects exit status 0, and
# removes the package again. Needs root, Xvfb and python3-xlib (scripts/deps.sh test).
set -euo pipefail
cd "$(dirname "$0")/../.."
build=build/package
scratch=$(mktemp -d)
trap 's=$?; set +e; kill $(jobs -p) 2>/dev/null; apt-get remove -y vantrel >/dev/null 2>&1; rm -rf "$scratch"; exit $s' EXIT
export DEBIAN_FRONTEND=noninteractive
[ ! -e /usr/bin/vantrel ] || dpkg-query -S /usr/bin/vantrel >/dev/null 2>&1 \
    || { echo "/usr/bin/vantrel belongs to no package; not overwriting it" >&2; exit 1; }

cmake -S . -B $build -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr -DVANTREL_BUILD_TESTS=OFF >/dev/null
cmake --build $build -j"$(nproc)"
rm -f $build/vantrel_*.deb
(cd $build && cpack -G DEB >/dev/null)
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' $build/CMakeCache.txt)
deb=$build/vantrel_${version}_amd64.deb
echo "$deb: $(stat -c %s "$deb") bytes; Depends: $(dpkg-deb -f "$deb" Depends)"
dpkg-deb -f "$deb" Depends | grep -Eq '(^|, )ffmpeg(,|$)' || { echo "Depends lacks ffmpeg" >&2; exit 1; }
dpkg-deb -f "$deb" Depends | grep -q libqt6widgets6 || { echo "Depends lacks Qt" >&2; exit 1; }

apt-get install -y "./$deb" >"$scratch/install.log" 2>&1 || { cat "$scratch/install.log"; exit 1; }
bash tests/packaging/check-install.sh /usr "$version"
Xvfb -displayfd 3 -nolisten tcp 3>"$scratch/display" 2>/dev/null &
for _ in $(seq 100); do [ -s "$scratch/display" ] && break; sleep 0.1; done
export DISPLAY=:$(head -n1 "$scratch/display") QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR=$scratch
/usr/bin/vantrel &
app=$!
/usr/bin/python3 tests/packaging/close-window.py $app
timeout 10 tail --pid=$app -f /dev/null || { echo "vantrel still runs 10 s after the close" >&2; exit 1; }
wait $app || { echo "vantrel exited with status $?" >&2; exit 1; }

apt-get remove -y vantrel >/dev/null
ls /usr/bin/vantrel /usr/share/applications/vantrel.desktop 2>/dev/null && { echo "files remain" >&2; exit 1; }
echo "packaging test passed"
