#!/usr/bin/env bash
# "&Acerca de ..." from the keyboard opens one About window, with the focus on "Aceptar"; Esc,
# Enter, a click on "Aceptar" or the window's close control closes it and the program goes on;
# opened again, it is one window still.
set -euo pipefail
test_name=about
source "$(dirname "$0")/lib/e2e.sh"

# closed by       | key, or a click
closers=(
  "Esc             | Escape"
  "Enter           | Return"
  "Aceptar clicked | click"
  "close control   | close"
)

visible_about_windows() {
    windows_named '^Acerca de Trelumo$' | grep -c . || true
}

# The minimize and maximize bits of the functions and decorations a window asks the window
# manager for (Motif hints): "functions 0 decorations 0" when it asks for neither.
minimize_and_maximize_asked() {
    local hints
    hints=$(xprop -id "$1" _MOTIF_WM_HINTS | sed 's/.*= //; s/,//g')
    read -r flags functions decorations _ <<<"$hints"
    echo "functions $((functions & 0x18)) decorations $((decorations & 0x60))"
}

start_x_server
start_trelumo

for closer in "${closers[@]}"; do
    read_row "$closer" how key
    focus_window "$main_window"
    press alt+y a
    about_window=$(wait_for_window '^Acerca de Trelumo$')
    check_equal "the window with the keyboard focus" "Acerca de Trelumo" \
        "$(focused_window_name)"
    # Wayland has no such hints, and no other client may read the sizes a window asks for.
    if [ "$program_platform" != wayland ]; then
        check_equal "a fixed dialog: no minimize or maximize asked of the window manager" \
            "functions 0 decorations 0" "$(minimize_and_maximize_asked "$about_window")"
    fi
    focus_window "$main_window"
    press alt+y a
    check_equal "\"&Acerca de ...\" chosen again: About windows" 1 "$(visible_about_windows)"
    focus_window "$about_window"
    if [ "$key" = click ]; then
        client_top=0
        read -r x y w h < <(control_rect "${cmdOK[@]}")
        click_window "$about_window" $((x + w / 2)) $((y + h / 2))
    elif [ "$key" = close ]; then
        request_close "$about_window"
    else
        press "$key"
    fi
    check "$how closes the About window" wait_for_no_window '^Acerca de Trelumo$'
    check "the program goes on after $how" trelumo_running
done

finish
