#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The vantrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks the licence information (reuse lint), builds the Debian package from debian/, runs
# lintian on it, installs it with apt-get, starts the installed program on a virtual X server
# and ends it (tests/quit.sh), and purges the package again. Needs root (scripts/deps.sh test
# installs the tools).
set -euo pipefail
cd "$(dirname "$0")/../.."
scratch=$(mktemp -d)
trap 's=$?; set +e; kill $(jobs -p) 2>/dev/null; apt-get purge -y vantrel >/dev/null 2>&1; rm -rf "$scratch"; exit $s' EXIT
export DEBIAN_FRONTEND=noninteractive
[ ! -e /usr/bin/vantrel ] || dpkg-query -S /usr/bin/vantrel >/dev/null 2>&1 \
    || { echo "/usr/bin/vantrel belongs to no package; not overwriting it" >&2; exit 1; }

reuse lint >"$scratch/reuse.log" || { cat "$scratch/reuse.log"; exit 1; }
# The package is built from a copy of the working tree as git sees it (uncommitted changes
# included, ignored files left out), since dpkg-buildpackage writes beside its source folder.
mkdir "$scratch/src"
git ls-files -z -co --exclude-standard | while IFS= read -rd '' f; do
    [ ! -e "$f" ] || cp -a --parents "$f" "$scratch/src"    # skips a file deleted but not yet in git
done
(cd "$scratch/src" && dpkg-buildpackage -us -uc -b -jauto) >"$scratch/build.log" 2>&1 \
    || { tail -n 40 "$scratch/build.log"; exit 1; }
lintian --fail-on error,warning "$scratch"/vantrel_*.changes
deb=$(ls "$scratch"/vantrel_*.deb)

apt-get install -y "$deb" >"$scratch/install.log" 2>&1 || { cat "$scratch/install.log"; exit 1; }
bash tests/packaging/check-install.sh /usr "$(dpkg-deb -f "$deb" Version)"
# The installed program, ended in every way a desktop ends it, with the stand-in encoder.
bash tests/quit.sh /usr/bin/vantrel tests/helpers
apt-get purge -y vantrel >/dev/null
echo "packaging test passed"
