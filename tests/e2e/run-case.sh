#!/usr/bin/env bash
# Runs one end-to-end case: a wizard script whose "#>" comment lines say what the run must give.
#
#   run-case.sh WIZARD_SCRIPT_PROGRAM CASE_FILE [TASIM_PROGRAM]
#
# The program is copied into a fresh folder (bin/, where quoran.ini lives beside it) and run
# from another one (work/, where log.txt goes), with the case as its script. Directives:
#   #> exit N              the exit code (0 when not given)
#   #> stdout TEXT         standard output has a line that is exactly TEXT
#   #> no-stdout TEXT      ... and no line that is exactly TEXT
#   #> stderr TEXT         standard error has a line that is exactly TEXT
#   #> file NAME           after the run, work/NAME exists
#   #> no-file NAME        after the run, work/NAME does not exist
#   #> log-has TEXT        after the run, work/log.txt contains TEXT, in which \r, \n and \\
#                          stand for a carriage return, a line feed and a backslash
#   #> bin-file NAME       after the run, bin/NAME exists
#   #> ini FILE            copy FILE (beside the case) to bin/quoran.ini before the run
#   #> stdin               feed the script on standard input instead of naming it
#   #> args ARGS...        pass ARGS before the script (--qt)
#   #> png NAME            after the run, work/NAME is a PNG image
#   #> same-on-qt          a second run with --qt (in a folder of its own) prints the very same
#                          standard output and exit code
#   #> adapter ARGS...     run tasim ARGS... on a pseudo-terminal linked as bin/dosdevices/com1
#   #> no-lock             after the run, no UUCP lock file names the adapter's device
#
# A sanitizer's report fails every case, also when the program still exits as expected (a worker
# that reports while the program ends may be cut off before the report is whole, but the file the
# report goes to exists).
#
# The program and tasim run on clocks 20 times as fast as real time (--clock-rate): the search's
# pauses, the time-outs and the script's waits take a twentieth of their time. A run on the Qt
# host keeps real time.
#
# A Windows program runs under Wine (tests/windows/run-case-wine.sh sets these):
#   QUORAN_E2E_RUNNER      the command that runs the program ("wine")
#   QUORAN_E2E_DOSDEVICES  the folder where tasim's comN link goes (the Wine prefix's dosdevices)
set -uo pipefail

program=$1
case_file=$2
tasim=${3:-}
case_dir=$(cd "$(dirname "$case_file")" && pwd)
name=$(basename "$case_file")
clock_rate=20

root=$(mktemp -d "${TMPDIR:-/tmp}/quoran-e2e.XXXXXX")
tasim_pid=
cleanup() {
    if [ -n "$tasim_pid" ]; then
        kill "$tasim_pid" 2>/dev/null
        wait "$tasim_pid" 2>/dev/null
    fi
    rm -rf "$root"
}
trap cleanup EXIT

mkdir -p "$root/bin" "$root/work" "$root/runtime"
chmod 700 "$root/runtime"
# Runs on the Qt host are offscreen, whatever display the tests happen to have.
export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$root/runtime
program_name=$(basename "$program")
cp "$program" "$root/bin/$program_name"
runner=${QUORAN_E2E_RUNNER:-}
dosdevices=${QUORAN_E2E_DOSDEVICES:-$root/bin/dosdevices}
cp "$case_file" "$root/work/case.script"

directives=()
while IFS= read -r line; do
    directives+=("$line")
done < <(sed -n 's/^#> //p' "$case_file")

expected_exit=0
use_stdin=0
args=()
same_on_qt=0
for directive in "${directives[@]}"; do
    word=${directive%% *}
    rest=${directive#* }
    case $word in
    exit) expected_exit=$rest ;;
    stdin) use_stdin=1 ;;
    args) read -ra args <<<"$rest" ;;
    same-on-qt) same_on_qt=1 ;;
    ini) cp "$case_dir/$rest" "$root/bin/quoran.ini" ;;
    adapter)
        if [ -z "$tasim" ]; then
            echo "$name: the case needs tasim" >&2
            exit 1
        fi
        mkdir -p "$dosdevices"
        # shellcheck disable=SC2086
        "$tasim" $rest --clock-rate "$clock_rate" --link "$dosdevices/com1" \
            >"$root/tasim.out" 2>&1 &
        tasim_pid=$!
        for _ in $(seq 100); do
            [ -e "$dosdevices/com1" ] && break
            sleep 0.05
        done
        if [ ! -e "$dosdevices/com1" ]; then
            echo "$name: tasim did not start" >&2
            cat "$root/tasim.out" >&2
            exit 1
        fi
        ;;
    esac
done

# Runs the program from the current folder with the given options; the exit code is its own.
run_wizard() {
    local clock=(--clock-rate "$clock_rate")
    [[ " $* " == *" --qt "* ]] && clock=()
    # shellcheck disable=SC2086
    if [ "$use_stdin" -eq 1 ]; then
        $runner "../bin/$program_name" "${clock[@]}" "$@" <case.script >stdout.txt 2>stderr.txt
    else
        $runner "../bin/$program_name" "${clock[@]}" "$@" case.script >stdout.txt 2>stderr.txt
    fi
}

cd "$root/work" || exit 1
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}log_path=$root/sanitizer"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:+$UBSAN_OPTIONS:}log_path=$root/sanitizer"
export TSAN_OPTIONS="${TSAN_OPTIONS:+$TSAN_OPTIONS:}log_path=$root/sanitizer"
run_wizard "${args[@]}"
status=$?

failures=0
fail() {
    echo "$name: $*" >&2
    failures=$((failures + 1))
}

has_line() {
    grep -qxF -- "$1" "$2"
}

# Whether file $2 contains the text $1 (backslash escapes as printf %b reads them). The X keeps
# the line feeds at the ends, which command substitution would drop.
has_text() {
    local text content
    text=$(printf '%bX' "$1")
    text=${text%X}
    content=$(cat -- "$2" 2>/dev/null; printf X)
    content=${content%X}
    [[ $content == *"$text"* ]]
}

[ "$status" -eq "$expected_exit" ] || fail "exit code $status, expected $expected_exit"
for directive in "${directives[@]}"; do
    word=${directive%% *}
    rest=${directive#* }
    case $word in
    stdout) has_line "$rest" stdout.txt || fail "no output line: $rest" ;;
    no-stdout) has_line "$rest" stdout.txt && fail "unwanted output line: $rest" ;;
    stderr) has_line "$rest" stderr.txt || fail "no error line: $rest" ;;
    file) [ -e "$rest" ] || fail "no file $rest in the working folder" ;;
    no-file) [ -e "$rest" ] && fail "unwanted file $rest in the working folder" ;;
    log-has) has_text "$rest" log.txt || fail "log.txt lacks: $rest" ;;
    png) [ "$(head -c 8 "$rest" 2>/dev/null | od -An -tx1 | tr -d ' ')" = 89504e470d0a1a0a ] ||
        fail "$rest is not a PNG image" ;;
    bin-file) [ -e "../bin/$rest" ] || fail "no file $rest beside the program" ;;
    no-lock)
        device=$(readlink "../bin/dosdevices/com1")
        lock=LCK..${device#/dev/}
        lock=${lock//\//_}
        folder=/var/lock
        [ -d /run/lock ] && folder=/run/lock
        [ -e "$folder/$lock" ] && fail "the lock $folder/$lock is left behind"
        ;;
    exit | stdin | ini | adapter | args | same-on-qt) ;;
    *) fail "unknown directive: $directive" ;;
    esac
done

if [ "$same_on_qt" -eq 1 ]; then
    mkdir -p "$root/work-qt"
    cp case.script "$root/work-qt/"
    (
        cd "$root/work-qt" || exit 1
        run_wizard --qt
        echo "$?" >status.txt
    )
    qt_status=$(cat "$root/work-qt/status.txt")
    [ "$qt_status" -eq "$status" ] || fail "exit code $qt_status with --qt, $status without"
    if ! diff -u stdout.txt "$root/work-qt/stdout.txt" >"$root/qt.diff"; then
        fail "the output differs with --qt:"
        cat "$root/qt.diff" >&2
    fi
fi

for report in "$root"/sanitizer.*; do
    [ -e "$report" ] || continue
    fail "a sanitizer reported, in ${report##*/}:"
    cat "$report" >&2
done

if [ "$failures" -gt 0 ]; then
    echo "--- standard output" >&2
    cat stdout.txt >&2
    echo "--- standard error" >&2
    cat stderr.txt >&2
    exit 1
fi
exit 0
