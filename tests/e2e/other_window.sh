#!/usr/bin/env bash
# Typing an amount, switching to another program's window and back: the amount typed is still
# there, unconverted.
set -euo pipefail
test_name=other_window
source "$(dirname "$0")/lib/e2e.sh"

start_x_server
start_trelumo

type_text 12
start_other_window "$E2E_OUTPUT/other_window_other.log"
other_window=$(wait_for_window '^otra$')
focus_window "$other_window"
check_equal "the window with the keyboard focus" otra "$(focused_window_name)"
focus_window "$main_window"
check_equal "back in Trelumo: the euro field" 12 "$(field_text)"

shot="$E2E_OUTPUT/other_window.png"
screenshot "$main_window" "$shot"
find_client_top "$shot"
check_nothing "no conversion stated" "$shot" dark "${result_inside[@]}"

finish
