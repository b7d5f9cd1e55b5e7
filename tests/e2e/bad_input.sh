#!/usr/bin/env bash
# Text that is not an amount, typed or pasted from the clipboard over the whole field: the field
# empties at once and then takes digits again, and the program keeps running. An amount pasted
# the same way stays, so the pasting itself is known to work.
set -euo pipefail
test_name=bad_input
source "$(dirname "$0")/lib/e2e.sh"

amount=250
long_text=$(printf 'Esto no es un importe, %.0s' {1..120})
many_digits=$(printf '9%.0s' {1..400})

# field   | how    | input       | the field after 7 is typed
inputs=(
  "euro    | types  | 12a         | 7"
  "pesetas | types  | 3x          | 7"
  "euro    | pastes | amount      | 2507"
  "euro    | pastes | long_text   | 7"
  "pesetas | pastes | long_text   | 7"
  "euro    | pastes | many_digits | 7"
  "pesetas | pastes | many_digits | 7"
)

start_x_server
start_trelumo

focused=euro
for input in "${inputs[@]}"; do
    read_row "$input" field how text expected
    if [ "$field" != "$focused" ]; then
        press Tab
        focused=$field
    fi
    press ctrl+a
    if [ "$how" = types ]; then
        type_text "$text"
        what="$text typed"
    else
        paste_text "${!text}"
        what="${text//_/ } pasted"
    fi
    type_text 7
    check_equal "$field field, $what, then 7 typed" "$expected" "$(field_text)"
    check "program still running after $what into the $field field" trelumo_running
done

check "main window still shown" wait_for_window '^Trelumo$'
finish
