#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The vantrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# vantrel as a desktop runs it: its own process on a (virtual) X server, started on a file (with
# a toolkit option before it and a second file after it, which is ignored),
# a job started with a click on "Convert" and run by the stand-in encoder, then the program
# ended in each way a desktop ends it. Afterwards no encoder is left, and the exit status
# says how the program ended. Usage: quit.sh VANTREL HELPERS_DIR
set -uo pipefail
vantrel=$1
scratch=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null; wait; rm -rf "$scratch"' EXIT
export PATH=$2:$PATH FAKE_FFMPEG_ARGS=$scratch/args FAKE_FFMPEG_SCRIPT=$scratch/script
export QT_QPA_PLATFORM=xcb ASAN_OPTIONS=${ASAN_OPTIONS:-}:detect_leaks=0
printf 'trap "exit 255" TERM\necho $$ >%s/pid\nwhile :; do sleep 0.05; done\n' "$scratch" >"$scratch/script"
touch "$scratch/in.avi"
within() { for _ in $(seq 300); do eval "$1" && return; sleep 0.1; done; false; }
runs() { ps -o stat= -p "$1" | grep -qv Z; }
failures=0
fail() { echo "FAIL ${end%:*}: $*"; failures=$((failures + 1)); }
for end in Escape:0 TERM:143 INT:130 HUP:129 KILL:137 display:1; do
    rm -f "$scratch/pid" "$scratch/display"
    Xvfb -displayfd 3 -nolisten tcp 3>"$scratch/display" 2>/dev/null & xvfb=$!
    within '[ -s "$scratch/display" ]'
    export DISPLAY=:$(cat "$scratch/display")
    "$vantrel" -style Fusion "$scratch/in.avi" "$scratch/second.avi" 2>/dev/null & app=$!
    window=$(timeout 30 xdotool search --sync --onlyvisible --pid $app | head -n1)
    xdotool mousemove --window "$window" 90 657 click 1 # "Convert"
    within '[ -s "$scratch/pid" ]'
    case ${end%:*} in
        Escape) xdotool windowfocus --sync "$window" key Escape ;;
        display) kill $xvfb ;;
        *) kill -"${end%:*}" $app ;;
    esac
    # (without the shell's report of a killed job)
    { within '! runs $app' || kill -KILL $app; wait $app; } 2>/dev/null; status=$?
    encoder=$(cat "$scratch/pid")
    within '! runs $encoder' || { fail "encoder left"; kill -KILL $encoder; }
    [ "$status" = "${end#*:}" ] || fail "exit status $status"
    kill $xvfb 2>/dev/null; wait $xvfb 2>/dev/null
done
[ $failures = 0 ] && echo "no encoder outlived vantrel"
