#!/usr/bin/env bash
# "&Salir" from the keyboard ends the program at once, with its About window open or not.
set -euo pipefail
test_name="exit"
source "$(dirname "$0")/lib/e2e.sh"

# windows open     | keys before "&Salir"
cases=(
  "main window      | "
  "About window too | alt+y a"
)

start_x_server
for case in "${cases[@]}"; do
    read_row "$case" windows keys
    start_trelumo
    if [ -n "$keys" ]; then
        # shellcheck disable=SC2086 # the keys are pressed one after the other
        press $keys
        wait_for_window '^Acerca de Trelumo$' >/dev/null
        focus_window "$main_window"
    fi
    press alt+a s
    wait_for_trelumo_end
    check_equal "Archivo > Salir with the $windows: exit status" 0 "$trelumo_status"
    check "no window of Trelumo left" wait_for_no_window 'Trelumo'
done

finish
