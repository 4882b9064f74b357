#!/usr/bin/env bash
# The search as an unprivileged user meets it on ports it cannot have: COM1 is a device of the
# group dialout, COM2 carries the UUCP lock of a live program (in the system's lock folder), COM3
# is held with flock by another program. Nothing is found; log.txt names each device and the
# system's reason, and the search page's hint line says which group would open COM1.
#
#   port-failures-check.sh QUORAN_WIZARD_SCRIPT TASIM
#
# Needs root (to give devices away and to run the wizard as nobody); skips otherwise.
set -uo pipefail
wizard=$1
tasim=$2

if [ "$(id -u)" -ne 0 ] || ! getent group dialout >/dev/null; then
    echo "port-failures-check: skipped: needs root and a dialout group"
    exit 0
fi

root=$(mktemp -d "${TMPDIR:-/tmp}/quoran-ports.XXXXXX")
pids=()
lock=
cleanup() {
    # flock(1)'s command goes first, or it would outlive its parent.
    [ -n "${flocker:-}" ] && pkill -P "$flocker"
    for pid in "${pids[@]}"; do
        kill "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null
    done
    [ -n "$lock" ] && rm -f "$lock"
    rm -rf "$root"
}
trap cleanup EXIT
chmod 755 "$root"
mkdir -p "$root/bin/dosdevices" "$root/work"
cp "$wizard" "$root/bin/quoran-wizard-script"
chown -R 65534:65534 "$root/bin" "$root/work"
failures=0
fail() {
    echo "port-failures-check: $*" >&2
    failures=$((failures + 1))
}

for number in 1 2 3; do
    "$tasim" --link "$root/bin/dosdevices/com$number" </dev/null >"$root/tasim$number.out" 2>&1 &
    pids+=($!)
done
for number in 1 2 3; do
    for _ in $(seq 100); do
        [ -e "$root/bin/dosdevices/com$number" ] && break
        sleep 0.05
    done
done
com1=$(readlink "$root/bin/dosdevices/com1")
com2=$(readlink "$root/bin/dosdevices/com2")
com3=$(readlink "$root/bin/dosdevices/com3")
chgrp dialout "$com1" && chmod 660 "$com1"
chmod 666 "$com2" "$com3"

# Background helpers keep no pipe of ours open, or a test runner would wait for them.
sleep 600 </dev/null >/dev/null 2>&1 &
holder=$!
pids+=($holder)
lock=/run/lock/LCK..${com2#/dev/}
lock=${lock//pts\//pts_}
printf '%10d\n' "$holder" >"$lock"
# A program that takes flock on the device and keeps it while its command runs.
flock "$com3" sleep 600 </dev/null >/dev/null 2>&1 &
flocker=$!
pids+=($flocker)
for _ in $(seq 200); do
    flock -n "$com3" true 2>/dev/null || break
    sleep 0.05
done

# The search's waits go at 20 times the pace of real time (--clock-rate).
cat >"$root/work/case.script" <<SCRIPT
radio 1159
next
expect page CIDingPage
wait 6
expect buttons Finish,Cancel
expect text 1149 No access to $com1: join group dialout
finish
SCRIPT
(cd "$root/work" && setpriv --reuid=65534 --regid=65534 --clear-groups \
    env -i PATH=/usr/bin:/bin HOME="$root/work" ../bin/quoran-wizard-script --clock-rate 20 \
    case.script >"$root/run.txt" 2>&1) || {
    fail "the search did not go as expected:"
    cat "$root/run.txt" >&2
}

log=$root/work/log.txt
link() {
    echo "$root/bin/dosdevices/com$1"
}
while IFS= read -r line; do
    grep -qF -- "]: $line" "$log" || fail "log.txt lacks: $line
    it has: $(grep -F "]: ${line%%)*}" "$log")"
done <<LINES
<COM1> $com1 ($(link 1)): Permission denied (owner root, group dialout, mode 0660)
<COM2> $com2 ($(link 2)): Device or resource busy (locked by process $holder (sleep): $lock)
<COM3> $com3 ($(link 3)): Device or resource busy (held with flock by process $flocker (flock))
<COM4> $(link 4): No such file or directory
LINES
[ "$(cat "$lock")" = "$(printf '%10d' "$holder")" ] || fail "the live program's lock was touched"

exit $((failures > 0))
