#!/usr/bin/env bash
# `cmake --install` into an empty folder: the program, its help document, the desktop entry and
# AppStream metainfo under one application id, valid, and the icon in the hicolor theme; the
# program started from there finds its help.
#   TRELUMO_BUILD  the build folder     TRELUMO_APP_ID  the application id
set -euo pipefail
test_name=install_tree
here=$(dirname "$0")
export TRELUMO=unused
source "$here/../e2e/lib/e2e.sh"
source "$here/installed_program.sh"
: "${TRELUMO_BUILD:?}" "${TRELUMO_APP_ID:?}"

prefix="$session_dir/prefix"
cmake --install "$TRELUMO_BUILD" --prefix "$prefix" --strip >/dev/null

share="$prefix/share"
desktop_entry="$share/applications/$TRELUMO_APP_ID.desktop"
metainfo="$share/metainfo/$TRELUMO_APP_ID.metainfo.xml"
check "help document installed" test -f "$share/trelumo/help/trelumo.html"
check "desktop entry installed" test -f "$desktop_entry"
check "metainfo installed" test -f "$metainfo"
check "licence installed" test -f "$share/doc/trelumo/copyright"
check "the desktop entry is valid" desktop-file-validate "$desktop_entry"
check "the metainfo is valid" appstreamcli validate --no-net "$metainfo"
check_equal "the desktop entry's icon" "Icon=$TRELUMO_APP_ID" "$(grep '^Icon=' "$desktop_entry")"
check_equal "the desktop entry's program" "Exec=trelumo" "$(grep '^Exec=' "$desktop_entry")"
check "the metainfo launches the desktop entry" \
    grep -q "<launchable type=\"desktop-id\">$TRELUMO_APP_ID.desktop</launchable>" "$metainfo"

# size | icon file
icons=(
  "16 16   | 16x16"
  "32 32   | 32x32"
  "128 128 | 128x128"
)
for icon in "${icons[@]}"; do
    read_row "$icon" size folder
    file="$share/icons/hicolor/$folder/apps/$TRELUMO_APP_ID.png"
    check_equal "icon in hicolor/$folder" "$size" "$(probe size "$file")"
done

check_installed_program "$prefix"
finish
