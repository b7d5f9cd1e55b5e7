#!/usr/bin/env bash
# F1, or "&Temas de ayuda" from the keyboard, opens the help window on Trelumo's help document.
set -euo pipefail
test_name=help
source "$(dirname "$0")/lib/e2e.sh"

# how | keys
ways=(
  "F1                          | F1"
  "Ayuda > Temas de ayuda      | alt+y t"
)

start_x_server
for way in "${ways[@]}"; do
    read_row "$way" how keys
    start_trelumo
    # shellcheck disable=SC2086 # the keys are pressed one after the other
    press $keys
    if help_window=$(wait_for_window '^Ayuda de Trelumo$'); then
        pass "$how opens the help window"
        focus_window "$help_window"
        help_text=$(field_text)
        check "$how: the help window shows the help document" grep -q 'Cómo convertir' \
            <<<"$help_text"
    else
        fail "$how opens no help window"
    fi
    kill "$trelumo_pid"
    wait_for_trelumo_end
    wait_for_no_window '^Ayuda de Trelumo$'
done

finish
