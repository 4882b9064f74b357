#!/usr/bin/env bash
# Runs a test program in a real terminal: tmux, in a window of COLUMNS x ROWS (80 x 24 unless
# given) with TERM (xterm-256color unless given). The program runs from a folder of its own with
# an empty dosdevices/ beside it (no COM port resolves, so no real port is touched); its report
# comes on standard error, its status is this script's.
#
#   in-terminal.sh PROGRAM [TERM [COLUMNS ROWS]] [-- ARGUMENTS...]
set -uo pipefail
program=$1
shift
term=xterm-256color
columns=80
rows=24
[ $# -gt 0 ] && [ "$1" != -- ] && term=$1 && shift
[ $# -gt 1 ] && [ "$1" != -- ] && columns=$1 && rows=$2 && shift 2
[ "${1:-}" = -- ] && shift

root=$(mktemp -d "${TMPDIR:-/tmp}/quoran-terminal.XXXXXX")
socket=quoran-terminal-$$
trap 'tmux -L "$socket" kill-server 2>/dev/null; rm -rf "$root"' EXIT
mkdir -p "$root/dosdevices"
cp "$program" "$root/"
name=$(basename "$program")
# The terminal's environment as a user's: the inherited LSAN/UBSAN options and the like too.
printf '%q ' "./$name" "$@" >"$root/command"
tmux -L "$socket" -f /dev/null new-session -d -s tests -x "$columns" -y "$rows" -c "$root" \
    -e TERM="$term" "sh -c \"\$(cat command) 2>report.txt; echo \\\$? >status.txt\"; sleep 600"
while [ ! -s "$root/status.txt" ]; do
    sleep 0.1
done
cat "$root/report.txt" >&2
exit "$(cat "$root/status.txt")"
