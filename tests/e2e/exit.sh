#!/usr/bin/env bash
# "&Salir" from the keyboard ends the program at once, with its About window open or not, and
# with an amount typed that converting would find too large: nothing converts it after Salir.
set -euo pipefail
test_name="exit"
source "$(dirname "$0")/lib/e2e.sh"

# before "&Salir"       | keys
cases=(
  "the main window alone  | "
  "the About window open  | alt+y a"
  "an amount too large    | 1e400"
)

start_x_server
for case in "${cases[@]}"; do
    read_row "$case" before keys
    start_trelumo
    if [ "$keys" = 1e400 ]; then
        type_text "1$(printf '0%.0s' {1..400})"
    elif [ -n "$keys" ]; then
        # shellcheck disable=SC2086 # the keys are pressed one after the other
        press $keys
        wait_for_window '^Acerca de Trelumo$' >/dev/null
        focus_window "$main_window"
    fi
    press alt+a s
    wait_for_trelumo_end
    check_equal "Archivo > Salir with $before: exit status" 0 "$trelumo_status"
    check "no window of Trelumo left" wait_for_no_window 'Trelumo'
done

finish
