#!/usr/bin/env bash
# The Windows packages, made by `cpack` from the Windows build. The installer carries a Spanish
# version record. The portable ZIP holds Trelumo.exe and its help document, which F1 finds when
# the program is started from the unpacked folder. The installer, under Wine, installs silently
# for all users and for the current user: each time the program in its folder, one Start-menu
# shortcut that starts it, and a complete entry among the installed programs in that install's
# registry hive; its uninstaller, run silently, leaves nothing behind, in files or in either hive.
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

# The installer's version record, Spanish (3082, 0x0C0A) as the program's, read with wrestool.
check "the installer's version record is Spanish" \
    grep -q -- '--type=16 --name=1 --language=3082' <(wrestool -l "$installer")
# version_text NAME: the text of NAME in the installer's version record.
version_text() {
    wrestool -x --raw --type=16 "$installer" | python3 -c '
import re, sys
record = sys.stdin.buffer.read().decode("utf-16-le", "replace")
found = re.search(re.escape(sys.argv[1]) + "\0+([^\0]*)", record)
print(found.group(1) if found else "")' "$1"
}
# name | text
texts=(
  "CompanyName      | Trelumo"
  "FileDescription  | Instalación de Trelumo"
  "FileVersion      | $TRELUMO_VERSION"
  "LegalCopyright   | © 2026 Trelumo contributors"
  "OriginalFilename | $name.exe"
  "ProductName      | Trelumo"
  "ProductVersion   | $TRELUMO_VERSION"
)
for text in "${texts[@]}"; do
    read_row "$text" text_name expected
    check_equal "the installer's $text_name" "$expected" "$(version_text "$text_name")"
done

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

user=$(whoami)
files_in_drive_c() { (cd "$drive_c" && find . | sort); }
# value_of KEY NAME: "TYPE DATA" of a registry value, as `reg query` shows it.
value_of() {
    wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' |
        sed -n "s/^ *$2 \{1,\}\(REG_[A-Z]*\) \{1,\}/\1 /p"
}
no_key() { ! wine reg query "$1" >/dev/null 2>&1; }

# kind | switch | folder (from drive C:) | hive | Start-menu programs folder (from drive C:)
kinds=(
  "all users    | /AllUsers    | Program Files/Trelumo                        | HKLM | ProgramData/Microsoft/Windows/Start Menu/Programs"
  "current user | /CurrentUser | users/$user/AppData/Local/Programs/Trelumo | HKCU | users/$user/AppData/Roaming/Microsoft/Windows/Start Menu/Programs"
)
for row in "${kinds[@]}"; do
    read_row "$row" kind switch folder hive programs
    folder="$drive_c/$folder"
    programs="$drive_c/$programs"
    windows_folder="C:\\$(sed 's|/|\\|g' <<<"${folder#"$drive_c/"}")"
    key="$hive\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Trelumo"
    files_before=$(files_in_drive_c)

    # Installed twice: the second install takes the first away, the key it marks included,
    # before it puts itself in place.
    install() {
        wine "$installer" /S "$switch" >/dev/null 2>&1
        timeout 60 wineserver -w
    }
    install
    wine reg add "$key" /v Marca /d primera /f >/dev/null 2>&1
    install
    check_equal "$kind: the first install taken away by the second" "" "$(value_of "$key" Marca)"
    check "$kind: Trelumo.exe installed" test -f "$folder/Trelumo.exe"
    check "$kind: help document installed" test -f "$folder/help/trelumo.html"
    check "$kind: uninstaller installed" test -f "$folder/Desinstalar.exe"
    check_equal "$kind: the Start menu's one entry of Trelumo" "Trelumo.lnk" \
        "$(cd "$programs" && find . -iname '*trelumo*' -o -iname '*desinstalar*' | sed 's|^\./||' | xargs)"
    check "$kind: the shortcut points at the installed program" \
        grep -qiF "$windows_folder\\Trelumo.exe" <(strings "$programs/Trelumo.lnk"; strings -el "$programs/Trelumo.lnk")

    # value | type and data
    values=(
      "DisplayName          | REG_SZ Trelumo"
      "DisplayVersion       | REG_SZ $TRELUMO_VERSION"
      "Publisher            | REG_SZ Trelumo"
      "DisplayIcon          | REG_SZ $windows_folder\\Trelumo.exe,0"
      "InstallLocation      | REG_SZ $windows_folder"
      "UninstallString      | REG_SZ \"$windows_folder\\Desinstalar.exe\" $switch"
      "QuietUninstallString | REG_SZ \"$windows_folder\\Desinstalar.exe\" $switch /S"
      "URLInfoAbout         | REG_SZ https://trelumo.org/"
      "NoModify             | REG_DWORD 0x1"
      "NoRepair             | REG_DWORD 0x1"
    )
    for value in "${values[@]}"; do
        read_row "$value" value_name expected
        check_equal "$kind: $value_name" "$expected" "$(value_of "$key" "$value_name")"
    done
    # Windows shows the size in kB: at least that of Trelumo.exe.
    read -r type size < <(value_of "$key" EstimatedSize)
    check_equal "$kind: EstimatedSize's type" REG_DWORD "$type"
    check "$kind: EstimatedSize, $((size)) kB, holds Trelumo.exe" \
        test $((size)) -ge $(($(stat -c %s "$folder/Trelumo.exe") / 1024))
    check "$kind: nothing in the other hive" \
        no_key "$([ "$hive" = HKLM ] && echo HKCU || echo HKLM)${key#"$hive"}"

    # The Start-menu entry starts the installed program; its close control ends it.
    start_trelumo start /wait /unix "$programs/Trelumo.lnk"
    check_equal "$kind: the installed program's window" Trelumo \
        "$(xdotool getwindowname "$main_window")"
    press alt+F4
    check "$kind: the window closes" wait_for_no_window '^Trelumo$'
    wait_for_trelumo_end
    check_equal "$kind: the program's exit status" 0 "$trelumo_status"

    # Uninstalling silently, as the installed programs' entry says, leaves nothing: no file (the
    # uninstaller's temporary copy included), no Start-menu entry, no key in either hive.
    wine "$folder/Desinstalar.exe" "$switch" /S >/dev/null 2>&1
    timeout 60 wineserver -w
    check "$kind: install folder removed" test ! -e "$folder"
    check "$kind: Start-menu entry removed" test ! -e "$programs/Trelumo.lnk"
    for root in HKLM HKCU; do
        check "$kind: no Uninstall key in $root" no_key "$root${key#"$hive"}"
        check "$kind: no Software\\Trelumo key in $root" no_key "$root\\Software\\Trelumo"
    done
    check_equal "$kind: files left in the Wine prefix's drive C:" "" \
        "$(comm -13 <(echo "$files_before") <(files_in_drive_c) | xargs)"
done

finish
