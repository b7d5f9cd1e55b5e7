#!/usr/bin/env bash
# In an English session every text the program shows is still Spanish, buttons included: the
# message of an amount too large, and the one of a help document that is not there.
set -euo pipefail
test_name=english_session
source "$(dirname "$0")/lib/e2e.sh"

# Waits, ten seconds at most, for a message box, and prints its texts with no blank lines, in
# the order of sort (the toolkits order a box's controls differently).
texts_of_message_box() {
    local tries=0
    until [ -n "$(message_boxes)" ] && message_texts Trelumo >/dev/null 2>&1; do
        ((++tries < 200)) || return 0
        sleep 0.05
    done
    message_texts Trelumo | grep . | LC_ALL=C sort
}

session_language=en_US.UTF-8
start_x_server
start_accessibility_bus

# The program where it finds no help document: the Linux one alone in a folder, Trelumo.exe
# without the document it carries.
if [ "$program_platform" = wine ]; then
    program="$session_dir/Trelumo.exe"
    # The document's resource renamed, in the UTF-16 of Windows' resource names.
    perl -0777 -pe 's/T\0R\0E\0L\0U\0M\0O\0\.\0H\0T\0M\0L\0/T\0R\0E\0L\0U\0M\0O\0.\0H\0T\0M\0X\0/' \
        "$TRELUMO_EXE" >"$program"
else
    program="$session_dir/trelumo"
    cp "$TRELUMO" "$program"
fi
start_trelumo "$program"

type_text "1$(printf '0%.0s' {1..307})"
press Tab
check_equal "the message of an amount too large" \
    "Aceptar
Desbordamiento
Se ha producido el error '6' en tiempo de ejecución:" "$(texts_of_message_box)"
close_message_box "$(message_boxes | head -n1)"

focus_window "$main_window"
press F1
texts=$(texts_of_message_box)
if [ "$program_platform" = wine ]; then
    check_equal "the message of the missing help" \
        "Aceptar
No se encuentra la ayuda «trelumo.html» en el programa." "$texts"
else
    # The folder beside the program, then the one where it is installed.
    sought="No se encuentra la ayuda: no está en «$session_dir"
    if [[ $texts == "Aceptar"$'\n'"$sought"*'/help/trelumo.html» ni en «'*'».' ]]; then
        pass "the message of the missing help: $texts"
    else
        fail "the message of the missing help: expected Aceptar and where the help was sought, got '$texts'"
    fi
fi

finish
