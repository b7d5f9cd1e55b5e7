#!/usr/bin/env bash
# Amounts as people type and paste them: a number begun with its sign or decimal comma, thousands
# set apart by a space, a decimal point, a sign and a unit typed key by key, an amount pasted with
# its unit and a line end after or before it, an amount copied with the full stop of its sentence,
# the selection typed over after the menu bar, the About and help windows or another program took
# the focus and gave it back, ctrl+z after two letters emptied the field and after more was typed,
# very long pastes, and a middle-click paste. Each row goes into the euro field, TAB shows its
# conversion in the peseta field, selected, and Shift+TAB comes back to the euro field, recomputed
# and selected, ready for the next row. Then pesetas as price tags and words write them, into the
# peseta field.
set -euo pipefail
test_name=amount_input
source "$(dirname "$0")/lib/e2e.sh"

newline=$'\n'

# Goes away from the euro field and back without entering the other field: keys as xdotool names
# them; "About" for the About window opened from the menu by its access keys and closed by Esc;
# "Help" for the help window opened by F1 and closed by its close control; "Other" for another
# program's window.
go_away_and_back() {
    local window
    case $1 in
    "") ;;
    About)
        press alt+y a
        wait_for_window '^Acerca de Trelumo$' >/dev/null
        press Escape
        wait_for_no_window '^Acerca de Trelumo$'
        focus_window "$main_window"
        ;;
    Help)
        press F1
        window=$(wait_for_window '^Ayuda de Trelumo$')
        request_close "$window"
        wait_for_no_window '^Ayuda de Trelumo$'
        focus_window "$main_window"
        ;;
    Other)
        start_other_window "$E2E_OUTPUT/amount_input_other.log"
        window=$(wait_for_window '^otra$')
        focus_window "$window"
        focus_window "$main_window"
        ;;
    *)
        # shellcheck disable=SC2086 # the keys, one word each
        press $1
        ;;
    esac
}

# away and back         | how    | input          | pesetas | euros back
inputs=(
  "                     | types  | ,50            | 83      | 0,50"
  "                     | types  | -5,25          | -874    | -5,25"
  "                     | types  | 1 234,5        | 205.404 | 1.234,50"
  "                     | pastes | 1.234,50 € ⏎   | 205.404 | 1.234,50"
  "                     | types  | 1.5            | 250     | 1,50"
  "                     | types  | -€5            | -832    | -5,00"
  "                     | types  | 5 euros        | 832     | 5,00"
  "                     | pastes | ⏎5             | 832     | 5,00"
  "                     | pastes | 1.000.         | 166.386 | 1.000,00"
  "alt Escape           | types  | 5              | 832     | 5,00"
  "alt+a Escape Escape  | types  | 7              | 1.165   | 7,00"
  "About                | types  | 3              | 499     | 3,00"
  "Help                 | types  | 4              | 666     | 4,00"
  "Other                | types  | 6              | 998     | 6,00"
)

start_x_server
start_trelumo

for input in "${inputs[@]}"; do
    read_row "$input" keys how text pesetas euros
    text=${text/ ⏎/$newline}
    text=${text/⏎/$newline}
    what="${keys:+$keys and back, then }${text//$newline/⏎} ${how%s}d"
    go_away_and_back "$keys"
    if [ "$how" = types ]; then
        type_text "$text"
    else
        paste_text "$text"
    fi
    press Tab
    check_equal "$what into the euro field, TAB: the peseta field, selected" \
        "$pesetas" "$(copy_selection)"
    press shift+Tab
    check_equal "Shift+TAB: the euro field, selected" "$euros" "$(copy_selection)"
done

# A letter empties the field, and so does the next; ctrl+z brings back the amount the first one
# replaced, selected as it was.
type_text xy
press ctrl+z
check_equal "xy typed over 6,00, then ctrl+z: the amount back, selected" 6,00 "$(copy_selection)"

# ctrl+z goes back one change at a time, the emptying included: past the 9, then past the x.
type_text 45
type_text x
type_text 9
press ctrl+z
press ctrl+z
check_equal "45, x, 9 typed, then ctrl+z twice: the field" 45 "$(field_text)"

# A paste longer than an edit control holds unless told otherwise (some 30,000 characters) is
# taken whole, not cut into another number, and one longer than any amount empties the field at
# once, so that the next keys are a new amount.
printf -v long_paste '%40000s12345' ''
paste_text "$long_paste"
press Tab
check_equal "12345 after 40.000 spaces pasted, TAB: the peseta field" 2.054.035 "$(copy_selection)"
press shift+Tab
paste_text "$(head -c 1048576 /dev/zero | tr '\0' 1)"
type_text 2
press Tab
check_equal "a megabyte of digits pasted, 2 typed, TAB: the peseta field" 333 "$(copy_selection)"

# Pesetas into the peseta field: Shift+TAB converts them, TAB comes back to the peseta field.
# how  | input                 | euros     | pesetas back
pesetas_inputs=(
  "pastes | 1.000 ptas            | 6,01      | 1.000"
  "types  | Pts.100               | 0,60      | 100"
  "types  | 2 millones de pesetas | 12.020,24 | 2.000.000"
)
for input in "${pesetas_inputs[@]}"; do
    read_row "$input" how text euros pesetas
    if [ "$how" = types ]; then
        type_text "$text"
    else
        paste_text "$text"
    fi
    press shift+Tab
    check_equal "$text ${how%s}d into the peseta field, Shift+TAB: the euro field" "$euros" \
        "$(copy_selection)"
    press Tab
    check_equal "TAB: the peseta field, selected" "$pesetas" "$(copy_selection)"
done

# A middle click pastes the primary selection into the euro field, which the click enters from
# the peseta field: the amount replaces the field's text, selected by its GotFocus. The primary
# selection is X11's, and Wayland's too: Windows has none, and its edit controls paste nothing on
# a middle click.
if [ "$program_platform" != wine ]; then
    shot="$E2E_OUTPUT/amount_input.png"
    screenshot "$main_window" "$shot"
    find_client_top "$shot"
    read -r x y w h < <(control_rect "${text_euro[@]}")
    put_on_clipboard "42,5" primary
    click_window "$main_window" $((x + w / 2)) $((y + h / 2)) 2
    check_equal "42,5 pasted by a middle click into the euro field" 42,5 "$(field_text)"
    press Tab
    check_equal "TAB: the peseta field, selected" 7.071 "$(copy_selection)"
fi

finish
