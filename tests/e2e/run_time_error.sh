#!/usr/bin/env bash
# A run-time error: an amount beyond what a number holds, then TAB. Both handlers of that event
# fail (the euro field's LostFocus and the peseta field's GotFocus), and one message box says so
# (its text is the runtime's, and its unit tests and the window tests read it); once it is
# closed, the program goes on converting. A second report of the event would come before the
# program took the keys typed after it: once those have converted, it can come no more.
set -euo pipefail
test_name=run_time_error
source "$(dirname "$0")/lib/e2e.sh"

start_x_server
start_trelumo

type_text "1$(printf '0%.0s' {1..307})"
press Tab
if wait_for_message_boxes -ge 1; then
    check_equal "reports shown" 1 "$(message_box_count)"
    close_message_box "$(message_boxes | head -n1)"
    check "the report closes, and no other is open" wait_for_message_boxes -eq 0
else
    fail "no report of the error"
fi

check "the program goes on" trelumo_running
focus_window "$main_window"
type_text 166
press Tab
check_equal "the peseta field's 166 then converts" "1,00" "$(copy_selection)"
check_equal "reports shown once the program has taken later keys" 0 "$(message_box_count)"

finish
