#!/usr/bin/env bash
# A run-time error: an amount beyond what a number holds, then TAB. Both handlers of that event
# fail (the euro field's LostFocus and the peseta field's GotFocus), and one message box says so
# (its text is the runtime's, and its unit tests and the window tests read it); once it is
# closed, the program goes on converting.
set -euo pipefail
test_name=run_time_error
source "$(dirname "$0")/lib/e2e.sh"

start_x_server
start_trelumo

type_text "1$(printf '0%.0s' {1..307})"
press Tab
if wait_for_message_boxes -ge 1; then
    sleep 0.5  # a second report would come now, or (a modal box) once this one is closed
    check_equal "reports shown" 1 "$(message_box_count)"
    close_message_box "$(message_boxes | head -n1)"
    wait_for_message_boxes -eq 0 || true
    sleep 1  # a second report, modal, would come once the first is closed
    check_equal "reports shown once it is closed" 0 "$(message_box_count)"
else
    fail "no report of the error"
fi

check "the program goes on" trelumo_running
focus_window "$main_window"
type_text 166
press Tab
check_equal "the peseta field's 166 then converts" "1,00" "$(copy_selection)"

finish
