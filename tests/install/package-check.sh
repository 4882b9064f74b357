#!/usr/bin/env bash
# Builds the Debian package of the build (as `make deb` does, but into a temporary folder) and
# checks its control fields, its contents and lintian's verdict (no errors).
#
#   package-check.sh BUILD_DIR VERSION
set -uo pipefail
build=$1
version=$2

out=$(mktemp -d "${TMPDIR:-/tmp}/quoran-deb.XXXXXX")
trap 'rm -rf "$out"' EXIT
failures=0
fail() {
    echo "package-check: $*" >&2
    failures=$((failures + 1))
}

if ! cpack --config "$build/CPackConfig.cmake" -G DEB -B "$out" >"$out/cpack.log" 2>&1; then
    cat "$out/cpack.log" >&2
    echo "package-check: cpack failed" >&2
    exit 1
fi
deb=$(ls "$out"/*.deb)
arch=$(dpkg --print-architecture)
[ "$(basename "$deb")" = "quoran-wizard_${version}_${arch}.deb" ] || fail "file name $(basename "$deb")"

field() {
    dpkg-deb -f "$deb" "$1"
}
[ "$(field Package)" = quoran-wizard ] || fail "Package: $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version: $(field Version)"
[ "$(field Architecture)" = "$arch" ] || fail "Architecture: $(field Architecture)"
[ "$(field Section)" = comm ] || fail "Section: $(field Section)"
[[ $(field Maintainer) =~ ^[^\<]+\ \<[^@\>]+@[^\>]+\>$ ]] || fail "Maintainer: $(field Maintainer)"
for dependency in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6svg6 libfinal0; do
    field Depends | tr ',' '\n' | grep -q "^ *$dependency\( \|$\)" ||
        fail "Depends lacks $dependency: $(field Depends)"
done
field Depends | grep -q -- '-dev' && fail "Depends on a development package: $(field Depends)"

# Contents: every installed file, owned by root, programs executable and the rest not.
dpkg-deb -c "$deb" >"$out/contents.txt"
for file in usr/bin/quoran-wizard usr/bin/quoran-wizard-script usr/bin/tasim \
    usr/share/applications/quoran-wizard.desktop \
    usr/share/metainfo/org.example.quoran_wizard.metainfo.xml \
    usr/share/icons/hicolor/scalable/apps/quoran-wizard.svg \
    usr/share/icons/hicolor/48x48/apps/quoran-wizard.png \
    usr/share/man/man1/quoran-wizard.1.gz usr/share/man/man1/quoran-wizard-script.1.gz \
    usr/share/man/man1/tasim.1.gz usr/share/quoran-wizard/quoran.ini \
    usr/share/doc/quoran-wizard/copyright usr/share/doc/quoran-wizard/changelog.gz; do
    grep -q " \./$file\$" "$out/contents.txt" || fail "the package lacks $file"
done
awk '$2 != "root/root" { print "not root/root: " $0 }' "$out/contents.txt" | grep . >&2 && fail "owners"
awk '$1 ~ /^-/ && $6 ~ /^\.\/usr\/bin\// && $1 != "-rwxr-xr-x" { print }
     $1 ~ /^-/ && $6 !~ /^\.\/usr\/bin\// && $1 != "-rw-r--r--" { print }
     $1 ~ /^d/ && $1 != "drwxr-xr-x" { print }' "$out/contents.txt" | grep . >&2 && fail "modes"
mkdir "$out/root"
dpkg-deb -x "$deb" "$out/root"
for program in quoran-wizard quoran-wizard-script tasim; do
    file "$out/root/usr/bin/$program" | grep -q 'not stripped' && fail "$program is not stripped"
done
"$out/root/usr/bin/tasim" --version | grep -qx "tasim $version" || fail "the packaged tasim"
zcat "$out/root/usr/share/man/man1/quoran-wizard.1.gz" | grep -qx '\.I /usr/share/quoran-wizard/quoran.ini' ||
    fail "the manual page does not name /usr/share/quoran-wizard/quoran.ini"

if ! command -v lintian >/dev/null; then
    fail "lintian is not installed (scripts/bootstrap installs it)"
else
    # Exit status 1 means error tags, 2 that lintian itself failed; warnings pass.
    lintian --fail-on error "$deb" >"$out/lintian.txt" 2>&1
    status=$?
    [ "$status" -eq 0 ] || {
        cat "$out/lintian.txt" >&2
        fail "lintian: status $status"
    }
fi

exit $((failures > 0))
