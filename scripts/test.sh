#!/usr/bin/env bash
# Installs what is missing, builds vantrel with its tests and runs every check.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc)
started=$SECONDS
stage() { printf '\n=== %s (%ds)\n' "$*" $((SECONDS - started)); }

stage "Dependencies"
bash scripts/deps.sh test

stage "Build and test"
cmake -S . -B build/test -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build/test -j"$jobs"
ctest --test-dir build/test --output-on-failure -j"$jobs"

stage "Packaging"
bash packaging/test-package.sh

stage "All checks passed"
