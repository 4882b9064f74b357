#!/usr/bin/env bash
# run-case-wine.sh WINE_RUN PREFIX PROGRAM CASE_FILE [TASIM_PROGRAM]: one end-to-end case
# (tests/e2e/run-case.sh) with the Windows program under Wine, where COM1 is tasim's
# pseudo-terminal.
#
# The case runs in a Wine prefix of its own (WINE_RUN is scripts/wine-run): its own registry,
# COM ports and server, with C:\windows of the build's prefix PREFIX (made once per run). Wine's server keeps a device's handle a
# while after its program has ended, and may hand it to the next program that opens a
# pseudo-terminal of the same number; a server per case never does. The case's server and
# session start before the case (and before tasim's link, which a session's start would replace),
# so that the case's own time is the program's. A case on the
# window host runs on the virtual screen that tests/windows/xvfb.sh keeps for the run.
set -uo pipefail

wine_run=$1
template=$2
shift 2
here=$(cd "$(dirname "$0")" && pwd)

case_prefix=$(mktemp -d "${TMPDIR:-/tmp}/quoran-wine.XXXXXX")
cleanup() {
    WINEPREFIX=$case_prefix wineserver -k >/dev/null 2>&1
    rm -rf "$case_prefix"
}
trap cleanup EXIT

"$wine_run" "$template" --light "$case_prefix"

export WINEPREFIX=$case_prefix WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml=
if [ -r "$template.display" ]; then
    DISPLAY=$(cat "$template.display")
    export DISPLAY
fi

QUORAN_E2E_RUNNER=wine QUORAN_E2E_DOSDEVICES=$case_prefix/dosdevices \
    "$here/../e2e/run-case.sh" "$@"
