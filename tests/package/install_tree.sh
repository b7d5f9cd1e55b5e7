#!/usr/bin/env bash
# `cmake --install` into an empty folder: the program, its help document, the desktop entry and
# AppStream metainfo under one application id, valid, the icon at every size of the hicolor
# theme, and the manual page; the program started from there finds its help.
#   TRELUMO_BUILD  the build folder     TRELUMO_APP_ID  the application id
set -euo pipefail
test_name=install_tree
here=$(dirname "$0")
export TRELUMO=unused
source "$here/../e2e/lib/e2e.sh"
source "$here/installed_program.sh"
source "$here/package_checks.sh"
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
check "the metainfo passes appstreamcli's strict validation" strictly_valid_metainfo "$metainfo"
check_equal "the desktop entry's icon" "Icon=$TRELUMO_APP_ID" "$(grep '^Icon=' "$desktop_entry")"
check_equal "the desktop entry's program" "Exec=trelumo" "$(grep '^Exec=' "$desktop_entry")"
check "the metainfo launches the desktop entry" \
    grep -q "<launchable type=\"desktop-id\">$TRELUMO_APP_ID.desktop</launchable>" "$metainfo"

# Every size of the hicolor theme, each made from the one drawing, and the drawing itself.
# folder | size
icons=(
  "16x16   | 16 16"
  "24x24   | 24 24"
  "32x32   | 32 32"
  "48x48   | 48 48"
  "64x64   | 64 64"
  "128x128 | 128 128"
  "256x256 | 256 256"
)
for icon in "${icons[@]}"; do
    read_row "$icon" folder size
    file="$share/icons/hicolor/$folder/apps/$TRELUMO_APP_ID.png"
    check_equal "icon in hicolor/$folder" "$size" "$(probe size "$file" 2>&1)"
done
check "scalable icon in hicolor/scalable" \
    grep -q '<svg' "$share/icons/hicolor/scalable/apps/$TRELUMO_APP_ID.svg"

# The manual page, in English and in Spanish: what the program does, its rate, its keys, its help.
# page | what it says
pages=(
  "man/man1/trelumo.1.gz    | 166.386 pesetas to the euro"
  "man/man1/trelumo.1.gz    | F1 Open the help document"
  "man/es/man1/trelumo.1.gz | 166,386 pesetas por euro"
  "man/es/man1/trelumo.1.gz | TAB, Mayús+TAB Convertir y pasar a la otra casilla"
  "man/es/man1/trelumo.1.gz | F1 Abrir la ayuda"
  "man/es/man1/trelumo.1.gz | /usr/share/trelumo/help/trelumo.html"
)
for page in "${pages[@]}"; do
    read_row "$page" file text
    check "$file says: $text" grep -qF "$text" <(manual_page_text "$share/$file")
done

check_installed_program "$prefix"
finish
