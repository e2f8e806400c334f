#!/usr/bin/env bash
# Checks an installed tree (the prefix given, e.g. /usr or a staging directory): the
# program, the desktop entry, every icon size in the hicolor theme and the metainfo are
# where desktops and software centres look for them, the PNGs have the size their
# directory claims, and the desktop entry and metainfo point at what is installed.
set -euo pipefail
prefix=${1:?usage: check-install.sh PREFIX VERSION}
version=${2:?usage: check-install.sh PREFIX VERSION}
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

[ -x "$prefix/bin/vantrel" ] || fail "$prefix/bin/vantrel missing or not executable"

desktop=$prefix/share/applications/vantrel.desktop
metainfo=$prefix/share/metainfo/io.github.vantrel.metainfo.xml
[ -f "$desktop" ] || fail "$desktop missing"
[ -f "$metainfo" ] || fail "$metainfo missing"

for size in 16 22 24 32 48 64 128 256; do
    png=$prefix/share/icons/hicolor/${size}x${size}/apps/vantrel.png
    if [ ! -f "$png" ]; then
        fail "$png missing"
    elif ! file -b "$png" | grep -q "^PNG image data, $size x $size,"; then
        fail "$png is not a ${size}x${size} PNG: $(file -b "$png")"
    fi
done
svg=$prefix/share/icons/hicolor/scalable/apps/vantrel.svg
[ -f "$svg" ] || fail "$svg missing"
[ ! -f "$svg" ] || grep -q '<svg' "$svg" || fail "$svg is not an SVG"

if [ -f "$desktop" ]; then
    # The menu starts "Exec" through PATH and looks "Icon" up by name in the icon theme.
    exec_name=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
    icon_name=$(sed -n 's/^Icon=//p' "$desktop")
    [ -n "$exec_name" ] && [ -x "$prefix/bin/$exec_name" ] || fail "Exec=$exec_name is not an installed program"
    [ -n "$icon_name" ] && [ -f "$prefix/share/icons/hicolor/scalable/apps/$icon_name.svg" ] \
        || fail "Icon=$icon_name is not an installed icon"
fi
if [ -f "$metainfo" ]; then
    launchable=$(sed -n 's/.*<launchable type="desktop-id">\(.*\)<\/launchable>.*/\1/p' "$metainfo")
    [ -n "$launchable" ] && [ -f "$prefix/share/applications/$launchable" ] \
        || fail "metainfo launchable '$launchable' is not an installed desktop entry"
    grep -q "<release version=\"$version\"" "$metainfo" || fail "metainfo lacks release $version"
fi

if [ "$failures" -gt 0 ]; then
    echo "$failures problem(s) in the installed tree under $prefix" >&2
    exit 1
fi
echo "installed tree under $prefix is complete"
