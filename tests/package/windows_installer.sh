#!/usr/bin/env bash
# The Windows packages, made by `cpack` from the Windows build: the portable ZIP holds Trelumo.exe
# and its help document, which F1 finds when the program is started from the unpacked folder; the
# installer, under Wine, installs silently into a folder of the test's choosing with a Start-menu
# entry that starts the program, and its uninstaller, run silently, leaves nothing of Trelumo
# behind.
#   TRELUMO_BUILD  the Windows build folder     TRELUMO_VERSION  the version
#   WINEPREFIX     a Wine prefix no other test uses at the same time
set -euo pipefail
test_name=windows_installer
here=$(dirname "$0")
source "$here/../e2e/lib/e2e.sh"
: "${TRELUMO_BUILD:?}" "${TRELUMO_VERSION:?}"

started=$(date +%s)
cpack --config "$TRELUMO_BUILD/CPackConfig.cmake" -B "$session_dir/cpack" >/dev/null
echo "cpack took $(($(date +%s) - started)) s"
name="Trelumo-$TRELUMO_VERSION-win64"
installer="$session_dir/cpack/$name.exe"
check "installer $name.exe made" test -f "$installer"
zip="$session_dir/cpack/$name.zip"
check_equal "the portable ZIP's files" \
    "$name/LICENSE.txt $name/Trelumo.exe $name/help/trelumo.html" \
    "$(cmake -E tar tf "$zip" | grep -v '/$' | sort | xargs)"

drive_c="$WINEPREFIX/drive_c"
start_x_server
(cd "$drive_c" && cmake -E tar xf "$zip")
start_trelumo "$drive_c/$name/Trelumo.exe"
press F1
check "F1 in the unpacked program shows its help" wait_for_window '^Ayuda de Trelumo$'
stop_wine
rm -r "${drive_c:?}/$name"

parent="$drive_c/Pruebas"
folder="$parent/Trelumo"
start_menu="$drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Trelumo"
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Trelumo'
mkdir -p "$parent"
files_before=$(cd "$drive_c" && find . | sort)

# NSIS takes the folder from the rest of the command line, unquoted: it has no space.
wine "$installer" /S '/D=C:\Pruebas\Trelumo' >/dev/null 2>&1
check "Trelumo.exe installed" test -f "$folder/Trelumo.exe"
check "help document installed" test -f "$folder/help/trelumo.html"
check "uninstaller installed" test -f "$folder/Desinstalar.exe"
check "Start-menu entry made" test -f "$start_menu/Trelumo.lnk"
check "uninstaller registered" wine reg query "$uninstall_key"

# The Start-menu entry starts the installed program; its close control ends it.
start_trelumo start /wait /unix "$start_menu/Trelumo.lnk"
check_equal "the installed program's window" Trelumo "$(xdotool getwindowname "$main_window")"
press alt+F4
check "the window closes" wait_for_no_window '^Trelumo$'
wait_for_trelumo_end
check_equal "the program's exit status" 0 "$trelumo_status"

# The uninstaller copies itself to a temporary folder (~nsu*.tmp, NSIS's own) and goes on from
# there; that folder, empty, is all it leaves behind.
wine "$folder/Desinstalar.exe" /S >/dev/null 2>&1
timeout 60 wineserver -w
check "install folder removed" test ! -e "$folder"
check "Start-menu entry removed" test ! -e "$start_menu"
check "uninstaller unregistered" bash -c "! wine reg query '$uninstall_key'"
check_equal "files left in the Wine prefix's drive C:" "" \
    "$(comm -13 <(echo "$files_before") <(cd "$drive_c" && find . | sort) |
        grep -v '^\./users/[^/]*/Temp/~nsu[0-9]*\.tmp$' || true)"

finish
