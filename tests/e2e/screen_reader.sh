#!/usr/bin/env bash
# What a user of the Orca screen reader hears: the field's name and hint each time the focus
# reaches a field, at start-up, by TAB, Shift+TAB and a click, and the sentence each time a
# conversion states it, after the field's name and uncut; the arrow shown named by its direction.
set -euo pipefail
test_name=screen_reader
source "$(dirname "$0")/lib/e2e.sh"
source "$(dirname "$0")/lib/screen_reader.sh"

hint="Introduzca valor y pulse TAB."

# typed | moves by  | field entered | sentence                | arrow
moves=(
  "      | Tab       | Pesetas       | 0,00 Euros = 0 Ptas.    | de euros a pesetas"
  "102   | shift+Tab | Euros         | 102 Ptas. = 0,61 Euros. | de pesetas a euros"
  "1     | click     | Pesetas       | 1,00 Euros = 166 Ptas.  | de euros a pesetas"
  "5     | shift+Tab | Euros         | 5 Ptas. = 0,03 Euros.   | de pesetas a euros"
)

start_x_server
start_accessibility_bus
start_screen_reader
start_trelumo

check_heard "start-up" "Euros text." "$hint"
shot="$E2E_OUTPUT/screen_reader.png"
screenshot "$main_window" "$shot"
find_client_top "$shot"
for move in "${moves[@]}"; do
    read_row "$move" typed moves_by entered sentence arrow
    if [ -n "$typed" ]; then
        type_text "$typed"
        wait_to_hear "${typed: -1}" || true  # its echo
        heard_from=$(wc -l <"$speech_log")
    fi
    if [ "$moves_by" = click ]; then
        read -r x y w h < <(control_rect "${text_pts[@]}")
        click_heard "$main_window" $((x + w / 2)) $((y + h / 2))
    else
        press "$moves_by"
    fi
    check_heard "${typed:-nothing} typed, $moves_by" "$entered text." "$hint" \
        "notification $sentence"
    check_equal "the arrow shown" "$arrow" "$(shown_pictures)"
done

finish
