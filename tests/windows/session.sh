#!/usr/bin/env bash
# session.sh start|stop WINE_RUN PREFIX: what every Windows test of a run stands on (the fixture
# `wine` of tests/windows): a virtual screen (xvfb.sh, whose display scripts/wine-run gives the
# programs), then the Wine prefix's server and session, started once for the run; stop ends both.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
case $1 in
start)
    "$here/xvfb.sh" start "$3" && "$2" "$3" --start
    ;;
stop)
    "$2" "$3" --stop
    "$here/xvfb.sh" stop "$3"
    ;;
esac
