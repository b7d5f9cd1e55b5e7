# shellcheck shell=bash
# Checks that an installed Trelumo works from where it was installed: it starts on a private X
# server, and F1 shows the help document installed beside it, marked here so that no other copy
# can pass for it. Sourced by the installation tests, after the end-to-end tests' library.

# check_installed_program PREFIX: the program is PREFIX/bin/trelumo.
check_installed_program() {
    local program="$1/bin/trelumo" document="$1/share/trelumo/help/trelumo.html"
    local mark="Copia instalada en $1" help_window help_text
    check "the program is installed" test -x "$program"
    sed -i "s|</body>|<p>$mark</p></body>|" "$document"
    start_x_server
    start_trelumo "$program"
    check_equal "the installed program's window" Trelumo "$(xdotool getwindowname "$main_window")"
    press F1
    if help_window=$(wait_for_window '^Ayuda de Trelumo$'); then
        focus_window "$help_window"
        help_text=$(field_text)
        check "F1 shows the installed help document" grep -qF "$mark" <<<"$help_text"
    else
        fail "F1 opens no help window"
    fi
}
