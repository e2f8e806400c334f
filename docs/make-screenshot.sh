#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The vantrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes docs/screenshot.png: runs an already built vantrel on a private Xvfb display and
# captures its window as the user first sees it.
#
#   bash docs/make-screenshot.sh [path/to/vantrel]     (default: build/release/src/vantrel)
#
# Builds nothing. Needs, besides what scripts/deps.sh installs, these Debian packages:
#   xvfb x11-utils xdotool imagemagick
# They are not in scripts/deps.sh because CI never takes the picture; it is committed.
# /usr/bin/ffmpeg must exist, or the window is covered by vantrel's "ffmpeg not found" box.
set -euo pipefail

repo=$(cd "$(dirname "$0")/.." && pwd)
binary=$(realpath "${1:-$repo/build/release/src/vantrel}")
output=$repo/docs/screenshot.png
[ -x "$binary" ] || { echo "No vantrel program at $binary; build it first." >&2; exit 1; }
for tool in Xvfb xwininfo xdotool import; do
    command -v "$tool" >/dev/null || { echo "Missing $tool (see the header of $0)." >&2; exit 1; }
done

work=$(mktemp -d)
xvfb_pid=
app_pid=
cleanup() {
    set +e
    for pid in $app_pid $xvfb_pid; do
        kill "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null
    done
    rm -rf "$work"
}
trap cleanup EXIT

# Xvfb picks a free display itself and reports its number on the given descriptor.
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
exec 3>&-
for _ in $(seq 50); do
    [ -s "$work/display" ] && break
    sleep 0.1
done
[ -s "$work/display" ] || { echo "Xvfb did not start:" >&2; cat "$work/xvfb.log" >&2; exit 1; }
export DISPLAY=":$(head -n1 "$work/display")"

QT_QPA_PLATFORM=xcb "$binary" >"$work/vantrel.log" 2>&1 &
app_pid=$!

window=
for _ in $(seq 100); do
    window=$(xdotool search --onlyvisible --name '^vantrel 1\.65$' 2>/dev/null | head -n1) || true
    [ -n "$window" ] && break
    kill -0 "$app_pid" 2>/dev/null || { echo "vantrel ended:" >&2; cat "$work/vantrel.log" >&2; exit 1; }
    sleep 0.1
done
[ -n "$window" ] || { echo "The vantrel window did not appear." >&2; exit 1; }
xwininfo -id "$window" | grep -E 'Width|Height'

# The window is mapped before it is painted: capture until two pictures in a row agree.
previous=
for i in $(seq 30); do
    import -window "$window" "$work/shot$i.png"
    current=$(import -window "$window" rgb:- | md5sum)
    if [ "$current" = "$previous" ]; then
        cp "$work/shot$i.png" "$output"
        echo "Wrote $output"
        exit 0
    fi
    previous=$current
    sleep 0.2
done
echo "The window did not settle." >&2
exit 1
