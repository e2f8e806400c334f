#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The vantrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks an installed tree (a prefix such as /usr or a staging folder): the program, a valid
# desktop entry and AppStream metainfo that point at what is installed, and every icon (whose
# sizes lintian checks in the package).
set -uo pipefail
prefix=${1:?usage: check-install.sh PREFIX VERSION}
version=${2:?usage: check-install.sh PREFIX VERSION}
share=$prefix/share
desktop=$share/applications/vantrel.desktop
metainfo=$share/metainfo/io.github.vantrel.metainfo.xml
failures=0
check() { "$@" >/dev/null 2>&1 || { echo "FAIL: $*" >&2; failures=$((failures + 1)); }; }

check test -x "$prefix/bin/$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")"
check test -f "$share/icons/hicolor/scalable/apps/$(sed -n 's/^Icon=//p' "$desktop").svg"
check desktop-file-validate "$desktop"
check appstreamcli validate --no-net --pedantic "$metainfo"
check grep -q "<launchable type=\"desktop-id\">vantrel.desktop</launchable>" "$metainfo"
check grep -q "<release version=\"$version\"" "$metainfo"
check ls "$share"/icons/hicolor/{16x16,22x22,24x24,32x32,48x48,64x64,128x128,256x256}/apps/vantrel.png
[ "$failures" -eq 0 ] && echo "installed tree under $prefix is complete"
