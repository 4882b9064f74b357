#!/usr/bin/env bash
# xvfb.sh start|stop PREFIX: the virtual screen on which the Windows build's window host runs
# during a test run. start leaves an Xvfb running and writes its display (":N") to PREFIX.display
# for the tests (tests/windows/run-case-wine.sh); stop ends it.
set -euo pipefail

file=$2.display
pid_file=$2.xvfb-pid

case $1 in
start)
    "$0" stop "$2"
    # In a session of its own, so that the end of this script and of its test leaves it running.
    # It writes the number of the display it found free once it listens.
    setsid Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$file.new" \
        </dev/null >/dev/null 2>&1 &
    echo $! >"$pid_file"
    for _ in $(seq 100); do
        [ -s "$file.new" ] && break
        sleep 0.05
    done
    display=$(cat "$file.new")
    rm -f "$file.new"
    [ -n "$display" ] || { echo "xvfb.sh: Xvfb did not start" >&2; exit 1; }
    echo ":$display" >"$file"
    echo ":$display" >"$file"
    ;;
stop)
    if [ -r "$pid_file" ]; then
        kill "$(cat "$pid_file")" 2>/dev/null || true
    fi
    rm -f "$pid_file" "$file"
    ;;
esac
