#!/usr/bin/env bash
# Installs the build into a temporary DESTDIR and runs the installed wizard as a user who may not
# write the program's folder: its files go to that user's own folder, seeded with the factory
# profile, and the program's folder stays as installed.
#
#   install-check.sh BUILD_DIR VERSION CASE_DIR
#
# As root the installed programs run as nobody (setpriv); as another user, with the installed
# bin/ made read-only.
set -uo pipefail
build=$1
version=$2
case_dir=$3

root=$(mktemp -d "${TMPDIR:-/tmp}/quoran-install.XXXXXX")
tasim_pid=
cleanup() {
    if [ -n "$tasim_pid" ]; then
        kill "$tasim_pid" 2>/dev/null
        wait "$tasim_pid" 2>/dev/null
    fi
    chmod -R u+w "$root" 2>/dev/null
    rm -rf "$root"
}
trap cleanup EXIT
chmod 755 "$root"
failures=0
fail() {
    echo "install-check: $*" >&2
    failures=$((failures + 1))
}

# As `make install` does it: the programs stripped.
if ! DESTDIR="$root/dest" cmake --install "$build" --prefix /usr --strip >"$root/install.log" 2>&1; then
    cat "$root/install.log" >&2
    echo "install-check: cmake --install failed" >&2
    exit 1
fi
usr=$root/dest/usr

# The layout, and nothing installed outside DESTDIR.
for file in bin/quoran-wizard bin/quoran-wizard-script bin/tasim \
    share/applications/quoran-wizard.desktop \
    share/metainfo/org.example.quoran_wizard.metainfo.xml \
    share/icons/hicolor/scalable/apps/quoran-wizard.svg \
    share/icons/hicolor/16x16/apps/quoran-wizard.png \
    share/icons/hicolor/48x48/apps/quoran-wizard.png \
    share/icons/hicolor/256x256/apps/quoran-wizard.png \
    share/man/man1/quoran-wizard.1.gz share/man/man1/quoran-wizard-script.1.gz \
    share/man/man1/tasim.1.gz share/quoran-wizard/quoran.ini \
    share/doc/quoran-wizard/copyright share/doc/quoran-wizard/changelog.gz; do
    [ -f "$usr/$file" ] || fail "not installed: $file"
done
for program in quoran-wizard quoran-wizard-script tasim; do
    file "$usr/bin/$program" | grep -q 'not stripped' && fail "$program is installed unstripped"
done
grep -q "^-- Installing: $root/dest/" "$root/install.log" || fail "nothing installed into DESTDIR"
grep "^-- Installing: " "$root/install.log" | grep -v "^-- Installing: $root/dest/" &&
    fail "installed outside DESTDIR"
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$usr/share/applications/quoran-wizard.desktop" ||
        fail "the desktop entry is not valid"
fi
for page in quoran-wizard quoran-wizard-script tasim; do
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$usr/share/man/man1/$page.1.gz" 2>&1 >/dev/null)
    [ -z "$warnings" ] || fail "man page $page: $warnings"
    zcat "$usr/share/man/man1/$page.1.gz" | grep -q "$version" || fail "man page $page: no version"
done

# The user, with a home of their own and nothing configured yet.
home=$root/home
work=$root/work
mkdir -p "$home" "$work"
if [ "$(id -u)" -eq 0 ]; then
    chown 65534:65534 "$home" "$work"
    as_user=(setpriv --reuid=65534 --regid=65534 --clear-groups)
else
    chmod a-w "$usr/bin"
    as_user=()
fi
user_env=(env -i PATH=/usr/bin:/bin HOME="$home" LANG=C.UTF-8)
user_folder=$home/.config/quoran-wizard
"${as_user[@]}" test -w "$usr/bin" && fail "the installed bin/ is writable by the test user"

(cd "$work" && "${as_user[@]}" "${user_env[@]}" "$usr/bin/quoran-wizard" --version) |
    grep -qx "quoran-wizard $version" || fail "installed quoran-wizard --version"
(cd "$work" && "${as_user[@]}" "${user_env[@]}" "$usr/bin/quoran-wizard" 2>"$root/nodisplay.txt")
[ $? -eq 1 ] || fail "installed quoran-wizard without a display: not status 1"

# The wizard's run: tasim on the user's COM1, then the case's script, both on clocks 20 times as
# fast as real time (the search's pauses and the script's waits take a twentieth of their time).
clock_rate=20
script=$case_dir/installed-user.script
if [ -f "$script" ]; then
    mkdir -p "$user_folder/dosdevices"
    chown -R "$(stat -c %u:%g "$home")" "$home/.config"
    "$usr/bin/tasim" --clock-rate "$clock_rate" --link "$user_folder/dosdevices/com1" \
        >"$root/tasim.out" 2>&1 &
    tasim_pid=$!
    for _ in $(seq 100); do
        [ -e "$user_folder/dosdevices/com1" ] && break
        sleep 0.05
    done
    chmod 666 "$(readlink "$user_folder/dosdevices/com1")"
    cp "$script" "$work/case.script"
    (cd "$work" && "${as_user[@]}" "${user_env[@]}" "$usr/bin/quoran-wizard-script" \
        --clock-rate "$clock_rate" case.script >"$root/run.txt" 2>&1) || {
        fail "the installed wizard's run failed:"
        cat "$root/run.txt" >&2
    }
    # An installed program keeps its log in the user's state folder, and the last run's beside it.
    state=$home/.local/state/quoran-wizard
    [ -e "$work/log.txt" ] && fail "the installed wizard wrote log.txt into the working folder"
    grep -q "Profile $user_folder/quoran.ini" "$state/log.txt" ||
        fail "no log in $state naming the profile in use"
    (cd "$work" && "${as_user[@]}" "${user_env[@]}" "$usr/bin/quoran-wizard-script" \
        --clock-rate "$clock_rate" /dev/null >/dev/null 2>&1)
    grep -q "Dump the devices" "$state/log.txt.1" ||
        fail "a second run did not keep the first run's log as log.txt.1"
    grep -q '^\[Default Configs\]' "$user_folder/quoran.ini" ||
        fail "the user's profile was not seeded with the factory configurations"
    # A script that saves (set 1041 NAME on the save page) leaves NAME in the user's profile.
    saved=$(sed -n 's/^set 1041 //p' "$script")
    if [ -n "$saved" ]; then
        grep -q "^\[$saved\]" "$user_folder/quoran.ini" || fail "the saved configuration is missing"
    fi
fi
for file in "$usr/bin/quoran.ini" "$usr/bin/dosdevices"; do
    [ -e "$file" ] && fail "the wizard wrote into its installed folder: $file"
done

exit $((failures > 0))
