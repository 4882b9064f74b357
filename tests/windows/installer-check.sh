#!/usr/bin/env bash
# installer-check.sh WINE_RUN PREFIX INSTALLER TASIM: the installer as a Windows user meets it,
# under Wine in a prefix of its own (WINE_RUN is scripts/wine-run, PREFIX the build's prefix):
#   - /S installs silently: the programs, the factory quoran.ini, the README, the licence and
#     the uninstaller under Program Files, and the Start menu entry;
#   - the installed program, started from a folder of the user's, finds the simulated adapter
#     on COM1 and lists the factory configurations, and saves a configuration of the user's in
#     the user's folder (%APPDATA%\QUORAN Configuration Wizard), never beside itself
#     (tests/install/installed-user.script, the Linux install check's script);
#   - the uninstaller (/S) takes the program and its Start menu entry away and leaves the user's
#     folder.
set -uo pipefail

wine_run=$1
template=$2
installer=$3
tasim=$4
here=$(cd "$(dirname "$0")" && pwd)

root=$(mktemp -d "${TMPDIR:-/tmp}/quoran-installer.XXXXXX")
prefix=$root/prefix
tasim_pid=
cleanup() {
    [ -n "$tasim_pid" ] && kill "$tasim_pid" 2>/dev/null && wait "$tasim_pid" 2>/dev/null
    WINEPREFIX=$prefix wineserver -k >/dev/null 2>&1
    rm -rf "$root"
}
trap cleanup EXIT

failures=0
fail() {
    echo "installer-check: $*" >&2
    failures=$((failures + 1))
}

"$wine_run" "$template" --light "$prefix"
export WINEPREFIX=$prefix WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml=

program_files="$prefix/drive_c/Program Files/QUORAN Configuration Wizard"
start_menu="$prefix/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs"
user_folder="$prefix/drive_c/users/$(id -un)/AppData/Roaming/QUORAN Configuration Wizard"

wine "$installer" /S </dev/null >"$root/install.out" 2>&1 || fail "the installer ended with $?"
for file in quoran-wizard.exe quoran-wizard-script.exe quoran.ini README.txt LICENSE.txt \
    uninstall.exe; do
    [ -f "$program_files/$file" ] || fail "not installed: $file"
done
[ -f "$start_menu/QUORAN Configuration Wizard.lnk" ] || fail "no Start menu entry"
cp "$program_files/quoran.ini" "$root/factory.ini"

mkdir -p "$root/work"
"$tasim" --clock-rate 20 --link "$prefix/dosdevices/com1" >"$root/tasim.out" \
    2>&1 &
tasim_pid=$!
for _ in $(seq 100); do
    [ -e "$prefix/dosdevices/com1" ] && break
    sleep 0.05
done
(cd "$root/work" && wine "$program_files/quoran-wizard-script.exe" --clock-rate 20 \
    "$here/../install/installed-user.script" >stdout.txt 2>stderr.txt)
status=$?
[ "$status" -eq 0 ] || fail "the installed program's run ended with $status"
grep -qxF '12: expect items 1040 "EuroISDN_NET3|NorthAmerica_NI1": ok' "$root/work/stdout.txt" ||
    fail "the factory configurations were not listed"
grep -q '^\[Default Configs\]' "$user_folder/quoran.ini" 2>/dev/null ||
    fail "the user's folder was not seeded with the factory configurations"
grep -q '^\[Office\]' "$user_folder/quoran.ini" 2>/dev/null ||
    fail "no configuration of the user's in the user's folder"
cmp -s "$root/factory.ini" "$program_files/quoran.ini" || fail "the installed quoran.ini changed"
[ -f "$root/work/log.txt" ] || fail "no log in the working folder"

wine "$program_files/uninstall.exe" /S </dev/null >"$root/uninstall.out" 2>&1
# The uninstaller copies itself away and runs from there; it is done once its folder is gone.
for _ in $(seq 100); do
    [ -e "$program_files" ] || break
    sleep 0.1
done
[ -e "$program_files" ] && fail "the program folder is still there after the uninstall"
[ -e "$start_menu/QUORAN Configuration Wizard.lnk" ] && fail "the Start menu entry is still there"
[ -f "$user_folder/quoran.ini" ] || fail "the uninstall took the user's folder"

if [ "$failures" -gt 0 ]; then
    echo "--- standard output of the installed program" >&2
    cat "$root/work/stdout.txt" >&2
    cat "$root/work/stderr.txt" >&2
    exit 1
fi
exit 0
