#!/usr/bin/env bash
# Builds the Debian package, installs it on this machine with apt-get, starts the installed
# program on a virtual X server, closes its window the way a window manager's close button
# does, expects exit status 0, then removes the package again. Needs root, Xvfb and
# python3-xlib (scripts/deps.sh test installs them).
set -euo pipefail
cd "$(dirname "$0")/.."
repo=$PWD
build=$repo/build/package
jobs=$(nproc)

if [ "$(id -u)" -ne 0 ]; then
    echo "test-package.sh installs the package with apt-get and must run as root" >&2
    exit 1
fi
if [ -e /usr/bin/vantrel ] && ! dpkg-query -S /usr/bin/vantrel >/dev/null 2>&1; then
    echo "/usr/bin/vantrel exists and belongs to no package; not overwriting it" >&2
    exit 1
fi

scratch=$(mktemp -d)
xvfb_pid=""
app_pid=""
installed=no
cleanup() {
    local status=$?
    if [ -n "$app_pid" ] && kill -0 "$app_pid" 2>/dev/null; then kill "$app_pid" 2>/dev/null || true; fi
    if [ -n "$xvfb_pid" ] && kill -0 "$xvfb_pid" 2>/dev/null; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
    if [ "$installed" = yes ]; then
        DEBIAN_FRONTEND=noninteractive apt-get remove -y vantrel >/dev/null 2>&1 || true
    fi
    rm -rf "$scratch"
    exit "$status"
}
trap cleanup EXIT

step() { printf -- '--- %s\n' "$*"; }

step "Build the package"
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
    -DVANTREL_BUILD_TESTS=OFF >"$scratch/configure.log" || { cat "$scratch/configure.log"; exit 1; }
cmake --build "$build" -j"$jobs"
rm -f "$build"/vantrel_*.deb
(cd "$build" && cpack -G DEB >"$scratch/cpack.log") || { cat "$scratch/cpack.log"; exit 1; }
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
deb=$build/vantrel_${version}_amd64.deb
[ -f "$deb" ] || { echo "cpack made no $deb:"; ls "$build"; exit 1; }

step "Package facts"
echo "file: $(basename "$deb"), $(stat -c %s "$deb") bytes"
for field in Package Version Architecture Section Maintainer Installed-Size Depends; do
    echo "$field: $(dpkg-deb -f "$deb" "$field")"
done
depends=$(dpkg-deb -f "$deb" Depends)
grep -Eq '(^|, )ffmpeg(,|$| )' <<<"$depends" || { echo "Depends lacks ffmpeg" >&2; exit 1; }
grep -q 'libqt6widgets6' <<<"$depends" \
    || { echo "Depends lacks the Qt libraries dpkg-shlibdeps should have found" >&2; exit 1; }
echo "files:"
dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print "  " $NF}'

step "Install with apt-get"
installed=yes
(cd "$build" && DEBIAN_FRONTEND=noninteractive apt-get install -y ./vantrel_*.deb) >"$scratch/install.log" 2>&1 \
    || { cat "$scratch/install.log"; exit 1; }
dpkg-query -W -f='${Status} ${Version}\n' vantrel
bash packaging/check-install.sh /usr "$version"

step "Start the installed program headless and close its window"
# Xvfb picks a free display number and writes it to the descriptor given.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$scratch/display" >"$scratch/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do
    [ -s "$scratch/display" ] && break
    kill -0 "$xvfb_pid" 2>/dev/null || { cat "$scratch/xvfb.log"; echo "Xvfb did not start" >&2; exit 1; }
    sleep 0.1
done
[ -s "$scratch/display" ] || { echo "Xvfb gave no display within 10 s" >&2; exit 1; }
export DISPLAY=:$(head -n1 "$scratch/display")
export QT_QPA_PLATFORM=xcb
export XDG_RUNTIME_DIR=$scratch/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"

/usr/bin/vantrel >"$scratch/vantrel.log" 2>&1 &
app_pid=$!
/usr/bin/python3 packaging/close-window.py "$app_pid" 30 \
    || { cat "$scratch/vantrel.log"; exit 1; }
for _ in $(seq 100); do
    kill -0 "$app_pid" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$app_pid" 2>/dev/null; then
    cat "$scratch/vantrel.log"
    echo "vantrel still runs 10 s after its window was asked to close" >&2
    exit 1
fi
app_status=0
wait "$app_pid" || app_status=$?
app_pid=""
echo "vantrel exited with status $app_status"
if [ "$app_status" -ne 0 ]; then
    cat "$scratch/vantrel.log"
    exit 1
fi

step "Remove with apt-get"
DEBIAN_FRONTEND=noninteractive apt-get remove -y vantrel >"$scratch/remove.log" 2>&1 \
    || { cat "$scratch/remove.log"; exit 1; }
installed=no
if [ -e /usr/bin/vantrel ]; then
    echo "/usr/bin/vantrel is still there after removal" >&2
    exit 1
fi
for f in /usr/share/applications/vantrel.desktop /usr/share/metainfo/io.github.vantrel.metainfo.xml \
         /usr/share/icons/hicolor/scalable/apps/vantrel.svg; do
    [ ! -e "$f" ] || { echo "$f is still there after removal" >&2; exit 1; }
done
echo "package status after removal: $(dpkg-query -W -f='${Status}' vantrel 2>/dev/null || echo 'not installed')"
echo "packaging test passed"
