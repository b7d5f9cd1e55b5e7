#!/usr/bin/env bash
# The main window and the About window as they are drawn: their client sizes and their controls
# at the places of the stored layouts, read from screenshots that are kept in the build tree.
set -euo pipefail
test_name=layout
source "$(dirname "$0")/lib/e2e.sh"

start_x_server
start_trelumo

if [ "$program_platform" = wayland ]; then
    # A Wayland window carries no icon: the compositor shows the one of the desktop entry that
    # the window's application id names.
    check_equal "the window names the desktop entry with the program icon" \
        "$(basename "$TRELUMO_DESKTOP_ENTRY" .desktop)" "$(sway_window_app_id "$main_window")"
else
    check "the window carries the 32 x 32 program icon" \
        grep -q 'Icon (32 x 32)' <<<"$(xprop -id "$main_window" _NET_WM_ICON)"
fi

shot="$E2E_OUTPUT/main_window.png"
screenshot "$main_window" "$shot"
find_client_top "$shot"
background=$(background_of "$shot")
check_window_size "main window, below the menu bar" "$shot" \
    "$(px "${main_client[0]}")" "$(px "${main_client[1]}")"
check_control "euro field" "$shot" "not:$background" "${text_euro[@]}"
check_control "peseta field" "$shot" "not:$background" "${text_pts[@]}"
check_control "result" "$shot" "not:$background" "${result[@]}"
# Label1 and Label2 reach a pixel into the fields below them, whose frame shows there: their
# texts are looked for above the fields.
check_text "Label1" "$shot" "Euros:" "${Label1[@]:0:3}" $((text_euro[1] - Label1[1]))
check_text "Label2" "$shot" "Pesetas:" "${Label2[@]:0:3}" $((text_pts[1] - Label2[1]))
check_text "Label3" "$shot" "Euros" "${Label3[@]}" 0 "font=Times New Roman" points=12 bold
check_text "Label4" "$shot" "Ptas." "${Label4[@]}" 0 "font=Times New Roman" points=12 bold

# The picture for the project's README: a conversion done.
type_text 1
press Tab
screenshot "$main_window" "$E2E_OUTPUT/main_window_converted.png"

press alt+y a
about_window=$(wait_for_window '^Acerca de Trelumo$')
shot="$E2E_OUTPUT/about_window.png"
screenshot "$about_window" "$shot"
client_top=0
background=$(background_of "$shot")
check_window_size "About window" "$shot" "$(px "${about_client[0]}")" "$(px "${about_client[1]}")"
check_control "cmdOK" "$shot" "not:$background" "${cmdOK[@]}"
check_control "picIcon" "$shot" "not:$background" "${picIcon[@]}"
check_inside "the euro sign in picIcon" "$shot" '#ffff00' "${picIcon[@]}"
check_text "lblTitle" "$shot" "Trelumo" "${lblTitle[@]}"
check_text "lblVersion" "$shot" "Versión 1.0.0" "${lblVersion[@]}"
check_text "lblDescription" "$shot" "Diseño y realización:" "${lblDescription[@]}"
check_inside "lblDisclaimer's blue text" "$shot" '#0000ff' "${lblDisclaimer[@]}"
read -r line_x line_y line_w _ < <(control_rect "${Line1[@]}")
read -r found_x found_y found_w found_h < <(probe box "$shot" 0 $((line_y - 4)) 233 9 "not:$background")
check_equal "Line1 from left to right" "$line_x $line_w" "$found_x $found_w"
check "Line1 drawn at its height" test "$found_y" -le "$line_y" -a $((found_y + found_h)) -gt "$line_y"
check_equal "Line1's dark grey row, white below it" "$line_x $line_y $line_w 1 #ffffff" \
    "$(probe box "$shot" 0 $((line_y - 4)) 233 9 '#808080') $(probe colour "$shot" "$line_x" $((line_y + 1)))"

finish
