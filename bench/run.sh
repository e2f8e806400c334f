#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The vantrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds and runs every benchmark; results go to stdout and to $BUILD_DIR/bench-results.txt.
#   bash bench/run.sh
# Environment: BUILD_DIR (default build/bench), PAIRS (conversion pairs, default 7),
# RUNS (start-ups per kind, default 30), FLOOD_SECONDS (default 10).
# Everything runs headless on Qt's offscreen platform.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD_DIR:-build/bench}
pairs=${PAIRS:-7}
runs=${RUNS:-30}
floodSeconds=${FLOOD_SECONDS:-10}

if ! dpkg-query -W -f='${Status}' libbenchmark-dev 2>/dev/null | grep -q 'install ok installed'; then
    echo "Google Benchmark is missing: apt-get install libbenchmark-dev" >&2
    exit 1
fi
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DVANTREL_BUILD_BENCH=ON \
    -DVANTREL_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" -j"$(nproc)" --target bench_progressparser vantrel_driver bench_fakeffmpeg

export QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES='qt.qpa.*=false'
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
driver=$build/bench/vantrel_driver

exec > >(tee "$build/bench-results.txt")
echo "== Machine"
echo "date: $(date -u +%FT%TZ)"
echo "nproc: $(nproc)"
echo "cpu: $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ *//')"
echo "kernel: $(uname -r)"
echo "load average before: $(cut -d' ' -f1-3 /proc/loadavg)"
echo "ffmpeg: $(ffmpeg -hide_banner -version | head -1)"
echo "qt: $(qtpaths6 --qt-version 2>/dev/null || echo unknown)"

echo; echo "== Parser (Google Benchmark)"
"$build/bench/bench_progressparser" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true

echo; echo "== Conversion overhead"
# About 20 seconds of 640x480 test picture with a tone, as an MPEG-4/MP3 AVI.
ffmpeg -hide_banner -loglevel error -y -f lavfi -i testsrc=duration=20:size=640x480:rate=25 \
    -f lavfi -i sine=frequency=440:duration=20 -c:v mpeg4 -q:v 3 -c:a libmp3lame -shortest \
    "$work/clip.avi"
echo "-- mpeg4 + mp3 (video index 5, audio index 2)"
"$driver" overhead "$pairs" 5 2 "$work/clip.avi" "$work/out.mp4"
echo "-- copy + copy (video index 0, audio index 0)"
"$driver" overhead "$pairs" 0 0 "$work/clip.avi" "$work/out.avi"

echo; echo "== Start-up"
"$driver" startup "$runs"

echo; echo "== stderr flood"
"$driver" flood "$floodSeconds" "$build/bench/fakebin"

echo; echo "load average after: $(cut -d' ' -f1-3 /proc/loadavg)"
