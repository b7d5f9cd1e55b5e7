#!/usr/bin/env bash
# Started where there is no display to open, Trelumo says so in one Spanish line and ends with
# status 1: no abort, no core file, nothing written in the folder it was started from.
set -euo pipefail
source "$(dirname "$0")/lib/check.sh"
: "${TRELUMO:?TRELUMO names the program under test}"

folder=$(mktemp -d)
ulimit -c unlimited 2>/dev/null || true

# display named               | the line
# (a platform Qt does not know gives up in words of its own, not those of a display it cannot open)
cases=(
  "(none)                       | Trelumo necesita una sesión gráfica: no se ha indicado ninguna pantalla (DISPLAY)."
  "DISPLAY=:97                  | Trelumo necesita una sesión gráfica: no se puede abrir la pantalla «:97»."
  "WAYLAND_DISPLAY=wayland-97   | Trelumo necesita una sesión gráfica: no se puede abrir la pantalla «wayland-97»."
  "QT_QPA_PLATFORM=nada         | Trelumo necesita una sesión gráfica: no se puede abrir la pantalla «nada»."
)

# A runtime folder of the user's own, where a Wayland compositor would be found.
runtime=$(mktemp -d)
trap 'rm -rf "$folder" "$runtime"' EXIT

for case in "${cases[@]}"; do
    read_row "$case" display expected
    environment=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM LANG=es_ES.UTF-8
                 XDG_RUNTIME_DIR="$runtime")
    [ "$display" = "(none)" ] || environment+=("$display")
    status=0
    (cd "$folder" && "${environment[@]}" "$TRELUMO" >"$folder.out" 2>"$folder.err") || status=$?
    check_equal "display $display: exit status" 1 "$status"
    check_equal "display $display: what it says" "$expected" "$(cat "$folder.err" "$folder.out")"
    check_equal "display $display: files left in the folder" "" "$(ls -A "$folder")"
done
rm -f "$folder.out" "$folder.err"

finish
