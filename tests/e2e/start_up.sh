#!/usr/bin/env bash
# What a person sees when Trelumo starts: 0,00 euros selected and ready to be typed over, 0
# pesetas, no conversion stated and no arrow.
set -euo pipefail
test_name=start_up
source "$(dirname "$0")/lib/e2e.sh"

start_x_server
start_trelumo

check_equal "main window title" Trelumo "$(window_name "$main_window")"
check_equal "ctrl+c copies the euro field's selected text" "0,00" "$(copy_selection)"

shot="$E2E_OUTPUT/start_up.png"
screenshot "$main_window" "$shot"
find_client_top "$shot"
background=$(background_of "$shot")
check_inside "euro field highlighted" "$shot" "$highlight" "${text_euro[@]}"
check_nothing "peseta field not highlighted" "$shot" "$highlight" "${text_pts[@]}"
check_text "peseta field" "$shot" 0 "${text_pts[@]}" 2
check_nothing "no conversion stated" "$shot" dark "${result_inside[@]}"
check_nothing "no arrow" "$shot" "not:$background" "${both_arrows[@]}"

finish
