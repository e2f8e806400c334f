#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The vantrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds vantrel and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh run
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DVANTREL_BUILD_TESTS=OFF
cmake --build build/release -j"$(nproc)"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "No display found (DISPLAY, WAYLAND_DISPLAY): start vantrel from a desktop session." >&2
    exit 1
fi
exec build/release/src/vantrel
