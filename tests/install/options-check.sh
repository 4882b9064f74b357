#!/usr/bin/env bash
# The options a Linux user tries first, and a start without a display.
#
#   options-check.sh QUORAN_WIZARD QUORAN_WIZARD_SCRIPT TASIM VERSION TASIM_MAN_PAGE
set -uo pipefail
wizard=$1
script_program=$2
tasim=$3
version=$4
tasim_man=$5

work=$(mktemp -d "${TMPDIR:-/tmp}/quoran-options.XXXXXX")
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
failures=0
fail() {
    echo "options-check: $*" >&2
    failures=$((failures + 1))
}

# Runs the wizard with a clean environment plus the given variables; sets status, out and err.
run() {
    local -a variables=()
    while [ $# -gt 0 ] && [[ $1 == *=* ]]; do
        variables+=("$1")
        shift
    done
    env -i PATH=/usr/bin:/bin HOME="$work" "${variables[@]}" "$wizard" "$@" >out.txt 2>err.txt
    status=$?
    out=$(cat out.txt)
    err=$(cat err.txt)
}

# A display number nobody serves: a stale DISPLAY, as after a closed ssh -X session.
stale=97
while [ -e "/tmp/.X11-unix/X$stale" ] || [ -e "/tmp/.X$stale-lock" ]; do
    stale=$((stale + 1))
done

# arguments and environment | status | stdout starts with | stderr: lines (or usage) | starts with
while IFS='|' read -r arguments expected_status stdout_start stderr_lines stderr_start; do
    read -ra words <<<"$arguments"
    run "${words[@]}"
    [ "$status" -eq "$expected_status" ] || fail "$arguments: status $status, expected $expected_status"
    [[ $out == "$stdout_start"* ]] || fail "$arguments: stdout '$out'"
    lines=$(grep -c '' err.txt)
    if [ "$stderr_lines" = usage ]; then
        grep -q '^usage: quoran-wizard' err.txt || fail "$arguments: no usage on stderr"
    elif [ "$lines" -ne "$stderr_lines" ]; then
        fail "$arguments: $lines lines on stderr: $err"
    fi
    [[ $err == "$stderr_start"* ]] || fail "$arguments: stderr '$err'"
    [ -e log.txt ] && fail "$arguments: the wizard started (log.txt)" && rm -f log.txt
done <<TABLE
--version|0|quoran-wizard $version|0|
-V|0|quoran-wizard $version|0|
--help|0|usage: quoran-wizard|0|
DISPLAY=:$stale --help|0|usage: quoran-wizard|0|
--frobnicate|2||usage|quoran-wizard: unknown option --frobnicate
-platform|2||usage|quoran-wizard: option -platform needs a value
stray|2||usage|quoran-wizard: unexpected argument stray
|1||1|quoran-wizard: no display (neither DISPLAY nor WAYLAND_DISPLAY is set)
-style Fusion|1||1|quoran-wizard: no display
DISPLAY=:$stale|1||1|quoran-wizard: no window system answers on the display :$stale
TABLE

# The welcome page's text says the version too (a text of the string table): it must be the
# build's.
"$script_program" --version | grep -qx "quoran-wizard-script $version" ||
    fail "quoran-wizard-script --version"
printf 'dump\ncancel\n' | "$script_program" >welcome.txt 2>&1
grep -q "Version $version" welcome.txt || fail "the welcome page does not say Version $version"
rm -f log.txt
# --clock-rate, a testing aid, takes a whole number from 1 up and keeps off the Qt host.
for arguments in "--clock-rate 0" "--clock-rate" "--clock-rate 2x" "--qt --clock-rate 5"; do
    read -ra words <<<"$arguments"
    printf 'cancel\n' | "$script_program" "${words[@]}" >clock.txt 2>&1
    status=$?
    [ "$status" -eq 2 ] || fail "quoran-wizard-script $arguments: status $status"
    grep -q '^usage: quoran-wizard-script' clock.txt || fail "quoran-wizard-script $arguments: no usage"
done
[ -e log.txt ] && fail "quoran-wizard-script with a bad --clock-rate started the wizard"

# On the Qt host a script needs no one to watch it: a display that does not answer makes it run
# offscreen, with one line that says so, instead of ending.
printf 'expect page CWelcomePage\ncancel\n' |
    env -i PATH=/usr/bin:/bin HOME="$work" DISPLAY=:$stale "$script_program" --qt >qt.txt 2>qt-err.txt
status=$?
[ "$status" -eq 0 ] || fail "--qt on a stale display: status $status: $(cat qt.txt qt-err.txt)"
grep -qxF "quoran-wizard-script: no window system answers on the display :$stale; the script runs offscreen" qt-err.txt ||
    fail "--qt on a stale display: stderr '$(cat qt-err.txt)'"
grep -q "closed (Cancel)" qt.txt || fail "--qt on a stale display: the script did not run: $(cat qt.txt)"
rm -f log.txt

# tasim --help describes every option its manual page lists.
"$tasim" --help >tasim-help.txt || fail "tasim --help: status $?"
for option in --version -V; do
    "$tasim" "$option" | grep -qx "tasim $version" || fail "tasim $option"
done
while read -r option; do
    grep -q -- "$option" tasim-help.txt || fail "tasim --help does not describe $option"
done < <(grep -o '^\.B[IR]* \\-\\-[a-z-]*' "$tasim_man" | sed 's/.* //; s/\\-/-/g')

exit $((failures > 0))
