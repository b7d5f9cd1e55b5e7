#!/usr/bin/env bash
# `cpack -G DEB` makes trelumo_<version>_<arch>.deb with the libraries it needs as dependencies,
# in which lintian finds nothing to say; unpacked into an empty folder, the program there finds
# its help, and nothing in it names the source or build tree.
#   TRELUMO_BUILD  the build folder     TRELUMO_SOURCE  the source folder
#   TRELUMO_VERSION                     TRELUMO_APP_ID
set -euo pipefail
test_name=deb_package
here=$(dirname "$0")
export TRELUMO=unused
source "$here/../e2e/lib/e2e.sh"
source "$here/installed_program.sh"
source "$here/package_checks.sh"
: "${TRELUMO_BUILD:?}" "${TRELUMO_SOURCE:?}" "${TRELUMO_VERSION:?}" "${TRELUMO_APP_ID:?}"

started=$(date +%s)
cpack -G DEB --config "$TRELUMO_BUILD/CPackConfig.cmake" -B "$session_dir/cpack" >/dev/null
echo "cpack took $(($(date +%s) - started)) s"
package="$session_dir/cpack/trelumo_${TRELUMO_VERSION}_$(dpkg --print-architecture).deb"
check "package $(basename "$package") made" test -f "$package"
# Debian's own checks, every tag shown: hardening, stripping, changelog, copyright, manual page.
check "lintian finds nothing in it" lintian_clean "$package"

depends=$(dpkg-deb -f "$package" Depends)
for library in libqt6widgets6 libqt6gui6 libqt6core6 libstdc++6 libc6 qt6-qpa-plugins; do
    check "depends on $library" grep -qw "$library" <<<"$depends"
done

root="$session_dir/root"
dpkg -x "$package" "$root"
check "desktop entry packed" test -f "$root/usr/share/applications/$TRELUMO_APP_ID.desktop"
check "metainfo packed" test -f "$root/usr/share/metainfo/$TRELUMO_APP_ID.metainfo.xml"
check "icon packed" test -f "$root/usr/share/icons/hicolor/32x32/apps/$TRELUMO_APP_ID.png"
check "copyright packed" test -f "$root/usr/share/doc/trelumo/copyright"
names_no_path() { ! strings "$1" | grep -qF "$2"; }
for tree in "$TRELUMO_SOURCE" "$TRELUMO_BUILD"; do
    check "no path of $tree in the program" names_no_path "$root/usr/bin/trelumo" "$(realpath "$tree")"
done

check_installed_program "$root/usr"
finish
