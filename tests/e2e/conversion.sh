#!/usr/bin/env bash
# Typing an amount and pressing TAB, or clicking the other field: the field left is tidied, the
# sentence below states the conversion, the arrow shows its direction, and the field entered
# shows the converted amount, highlighted and selected whole, the click's caret notwithstanding.
# Each row types into the field the previous row moved to.
set -euo pipefail
test_name=conversion
source "$(dirname "$0")/lib/e2e.sh"

# field   | typed     | moves by | tidied    | converted | sentence                          | arrow
conversions=(
  "euro    | 1         | Tab      | 1,00      | 166       | 1,00 Euros  =  166 Ptas.           | right"
  "pesetas | 102       | click    | 102       | 0,61      | 102 Ptas.  =  0,61 Euros           | left"
  "euro    | 1234,5    | click    | 1.234,50  | 205.404   | 1.234,50 Euros  =  205.404 Ptas.   | right"
  "pesetas | 1.000.000 | Tab      | 1.000.000 | 6.010,12  | 1.000.000 Ptas.  =  6.010,12 Euros | left"
)

start_x_server
start_trelumo

row=0
for conversion in "${conversions[@]}"; do
    row=$((row + 1))
    read_row "$conversion" field typed moves tidied converted sentence arrow
    if [ "$field" = euro ]; then
        left=("${text_euro[@]}") entered=("${text_pts[@]}")
    else
        left=("${text_pts[@]}") entered=("${text_euro[@]}")
    fi

    type_text "$typed"
    if [ "$moves" = click ]; then
        # Where the click falls, the field would put its caret.
        read -r x y w h < <(control_rect "${entered[@]}")
        click_window "$main_window" $((x + w / 4)) $((y + h / 2))
    else
        press Tab
    fi
    check_equal "$typed in the $field field, $moves: the other field, selected" \
        "$converted" "$(copy_selection)"

    shot="$E2E_OUTPUT/conversion_$row.png"
    screenshot "$main_window" "$shot"
    find_client_top "$shot"
    check_text "the $field field left" "$shot" "$tidied" "${left[@]}" 2
    check_text "the result" "$shot" "$sentence" "${result[@]}" 2
    if [ "$arrow" = right ]; then
        check_picture "the arrow to the right" "$shot" "$TRELUMO_ICONS/arrow_right_32.xpm" \
            "${fdcha[@]}"
    else
        check_picture "the arrow to the left" "$shot" "$TRELUMO_ICONS/arrow_left_32.xpm" \
            "${fizq[@]}"
    fi
    check_inside "the field entered highlighted" "$shot" "$highlight" "${entered[@]}"
    check_nothing "the field left back to normal" "$shot" "$highlight" "${left[@]}"
done

finish
