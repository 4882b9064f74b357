#!/usr/bin/env bash
# xvfb.sh start|stop PREFIX: the virtual screen on which the Windows build's window host runs
# during a test run. start leaves an Xvfb running and writes its display (":N") to PREFIX.display
# for the tests (scripts/wine-run gives it to the programs); stop ends it.
set -euo pipefail

file=$2.display
pid_file=$2.xvfb-pid

case $1 in
start)
    "$0" stop "$2"
    # A display number of its own, with the lock file that X servers and xvfb-run look for
    # (xvfb-run counts down from 99); in a session of its own, so that the end of this script
    # and of its test leaves it running.
    for number in $(seq 200 299); do
        [ -e "/tmp/.X$number-lock" ] || [ -e "/tmp/.X11-unix/X$number" ] && continue
        setsid Xvfb ":$number" -screen 0 1280x1024x24 -nolisten tcp </dev/null >/dev/null 2>&1 &
        echo $! >"$pid_file"
        for _ in $(seq 100); do
            [ -S "/tmp/.X11-unix/X$number" ] && break
            sleep 0.05
        done
        if kill -0 "$(cat "$pid_file")" 2>/dev/null && [ -S "/tmp/.X11-unix/X$number" ]; then
            echo ":$number" >"$file"
            exit 0
        fi
    done
    echo "xvfb.sh: no virtual screen could be started" >&2
    exit 1
    ;;
stop)
    if [ -r "$pid_file" ]; then
        kill "$(cat "$pid_file")" 2>/dev/null || true
    fi
    rm -f "$pid_file" "$file"
    ;;
esac
