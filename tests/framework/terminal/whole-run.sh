#!/usr/bin/env bash
# The wizard in a real terminal: tmux runs `quoran-wizard --tui` in an 80 x 24 window against
# tasim linked as COM1 and types as a user would: the search, a stored configuration on the
# express path (a check box by its mnemonic, the question before the save), the download and
# the success page. Every screen on the way keeps its frame whole (nothing cut or drawn over
# it) and shows its page's texts whole; the log holds the final AT&W0.
#
#   whole-run.sh QUORAN_WIZARD TASIM STORED_PROFILE
#
# The program and tasim run 20 times as fast as real time (--clock-rate).
set -uo pipefail
wizard=$1
tasim=$2
profile=$3
clock_rate=20

root=$(mktemp -d "${TMPDIR:-/tmp}/quoran-tui.XXXXXX")
socket=quoran-tui-$$
tasim_pid=
cleanup() {
    tmux -L "$socket" kill-server 2>/dev/null
    if [ -n "$tasim_pid" ]; then
        kill "$tasim_pid" 2>/dev/null
        wait "$tasim_pid" 2>/dev/null
    fi
    rm -rf "$root"
}
trap cleanup EXIT

mkdir -p "$root/bin/dosdevices" "$root/work"
cp "$wizard" "$root/bin/quoran-wizard"
cp "$profile" "$root/bin/quoran.ini"
"$tasim" --model KESTRAST/13 --clock-rate "$clock_rate" --link "$root/bin/dosdevices/com1" \
    >"$root/tasim.out" 2>&1 &
tasim_pid=$!
for _ in $(seq 100); do
    [ -e "$root/bin/dosdevices/com1" ] && break
    sleep 0.05
done

failures=0
fail() {
    echo "whole-run: $*" >&2
    failures=$((failures + 1))
}

screen() {
    tmux -L "$socket" capture-pane -p -t quoran
}

# Waits (up to 20 s) until the screen shows TEXT; then checks the window's frame: 24 rows of
# 80 cells, corners and sides where they belong.
wait_for() {
    local text=$1 shot
    for _ in $(seq 200); do
        shot=$(screen)
        if [[ $shot == *"$text"* ]]; then
            check_frame "$shot" "$text"
            return 0
        fi
        sleep 0.1
    done
    fail "the screen never showed '$text'; it shows:"
    screen >&2
    exit 1
}

# Waits (up to 20 s) until the screen no longer shows TEXT.
wait_gone() {
    for _ in $(seq 200); do
        [[ $(screen) != *"$1"* ]] && return 0
        sleep 0.1
    done
    fail "the screen still shows '$1'"
}

check_frame() {
    local shot=$1 page=$2 row=0 line
    while IFS= read -r line; do
        row=$((row + 1))
        [ "${#line}" -le 80 ] || fail "$page: row $row is ${#line} cells wide"
        case $row in
        2) [[ $line == "┌"*"┐" ]] || fail "$page: row 2 is not the frame's top: '$line'" ;;
        24) [[ $line == "└"*"┘" ]] || fail "$page: row 24 is not the frame's bottom: '$line'" ;;
        1) ;;
        *) [[ $line == "│"*"│" ]] || fail "$page: row $row lost the frame's side: '$line'" ;;
        esac
    done <<<"$shot"
    [ "$row" -eq 24 ] || fail "$page: $row rows"
}

press() {
    tmux -L "$socket" send-keys -t quoran "$@"
    sleep 0.1
}

tmux -L "$socket" -f /dev/null new-session -d -s quoran -x 80 -y 24 -c "$root/work" \
    -e TERM=xterm-256color \
    "../bin/quoran-wizard --tui --clock-rate $clock_rate 2>err.txt; echo \$? >status.txt; sleep 60"

wait_for "Do you want the wizard to search for your ISDN TA?"
wait_for "(•) Yes"
wait_for "< Back      Next >        Cancel"
press Enter
wait_for "Devices have been identified."
wait_for "│ COM1         KESTRAST         │"
press Enter
wait_for "Setup :  Express (Existing) ▼  Delete Configuration"
# To the list of configurations: the drop-down, the button, the list.
press Tab
press Tab
press Down
press Up
press Enter
wait_for "BOD High Threshold Sampling Period (0-255 secs) :  20"
wait_for "Call Bumping :  Disabled  ▼"
press Enter
wait_for "Data SPID :  01234567890123"
press Enter
wait_for "Data Protocol :  X.75             ▼"
wait_for "[ ] Auto protocol detection"
press M-a
wait_gone "[ ] Auto protocol detection"
wait_for "] Auto protocol detection"
press Enter
wait_for "Store Configuration as :  Branch_Office"
press Enter
wait_for "Warning:  The configuration 'Branch_Office' has been modified."
wait_for "Do you wish to continue?"
press Enter
wait_for "To load the configuration now, click Next."
press Enter
wait_for "Your ISDN TA has been successfully configured.  To exit click"
wait_for "< Back      Finish        Cancel"
press Enter
for _ in $(seq 100); do
    [ -s "$root/work/status.txt" ] && break
    sleep 0.1
done
status=$(cat "$root/work/status.txt" 2>/dev/null)
[ "$status" = 0 ] || fail "the wizard ended with status '$status': $(cat "$root/work/err.txt")"
grep -q 'Got OK for Config String: AT&W0' "$root/work/log.txt" 2>/dev/null ||
    fail "the log has no AT&W0"
exit $((failures > 0))
