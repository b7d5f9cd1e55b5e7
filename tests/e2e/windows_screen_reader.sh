#!/usr/bin/env bash
# What a screen reader hears from Trelumo.exe through the Windows accessibility layer, heard as a
# reader hears it (out-of-context events, each object asked for what it says): the name, value
# and hint of the field the focus reaches at start-up, by TAB, Shift+TAB and a click; the sentence
# that states a conversion, read out as a live region each time it is stated, the same sentence
# again too; the arrow named by the direction it shows; the About window's texts in reading order,
# then Aceptar, the default button.
set -euo pipefail
test_name=windows_screen_reader
source "$(dirname "$0")/lib/e2e.sh"

hint="Introduzca valor y pulse TAB"
# action        | field focused | its value | sentence read out (-: none)
steps=(
  "start-up      | Euros         | 0,00      | -"
  "Tab           | Pesetas       | 0         | 0,00 Euros  =  0 Ptas."
  "shift+Tab     | Euros         | 0,00      | 0 Ptas.  =  0,00 Euros"
  "1 and Tab     | Pesetas       | 166       | 1,00 Euros  =  166 Ptas."
  "shift+Tab     | Euros         | 1,00      | 166 Ptas.  =  1,00 Euros"
  "click Pesetas | Pesetas       | 166       | 1,00 Euros  =  166 Ptas."
)
# The About window as a reader reads it: role | name
about_read=(
  "graphic       | "
  "static text   | Trelumo"
  "static text   | Versión 1.0.0"
  "static text   | Diseño y realización:"
  "static text   | Trelumo"
  "push button   | Aceptar"
)

heard_file="$E2E_OUTPUT/windows_screen_reader_heard.txt"

# The lines heard so far, the live regions' without their value and description.
heard() {
    tr -d '\r' <"$heard_file" | sed '/^live/s/^\(\([^|]*|\)\{2\}[^|]*\) |.*/\1/'
}

# Waits for COUNT lines heard after the first SKIPPED ones (10 s at most), and prints them
# joined with " / ".
heard_after() {
    local skipped=$1 count=$2 end=$((SECONDS + 10))
    while [ "$(heard | wc -l)" -lt $((skipped + count)) ] && [ "$SECONDS" -lt "$end" ]; do
        sleep 0.05
    done
    heard | tail -n +$((skipped + 1)) | paste -sd/ | sed 's|/| / |g'
}

start_x_server
start_client "$heard_file" wine "$WINDOWS_PROBE" listen
tries=0
until grep -q ready "$heard_file"; do
    ((++tries < 600)) || { echo "the listener does not start" >&2; exit 1; }
    sleep 0.05
done
start_trelumo

for step in "${steps[@]}"; do
    read_row "$step" action field value sentence
    before=$(heard | wc -l)
    case $action in
        start-up) before=1 ;;  # "ready"
        "1 and Tab") type_text 1 && press Tab ;;
        "click Pesetas")
            find_client_top
            read -r x y w h < <(control_rect "${text_pts[@]}")
            xdotool mousemove --window "$main_window" $((x + w / 2)) $((y + h / 2)) click 1
            ;;
        *) press "$action" ;;
    esac
    # The field first, then the sentence: a reader silences what it reads when the focus moves.
    expected="focus | text | $field | $value | $hint | focused" lines=1
    [ "$sentence" = - ] || expected+=" / live | static text | $sentence" lines=2
    check_equal "$action: heard" "$expected" "$(heard_after "$before" "$lines")"
done
check_equal "one sentence read out for each stated" $((${#steps[@]} - 1)) \
    "$(heard | grep -c '^live')"

check_equal "the arrow shown, named" "graphic | de euros a pesetas" \
    "$(windows_probe controls Trelumo | grep '^graphic' | cut -d'|' -f1-2 | sed 's/ *$//')"

press alt+y a
wait_for_window '^Acerca de Trelumo$' >/dev/null
expected=$(for line in "${about_read[@]}"; do
    read_row "$line" what said
    echo "$what | $said"
done | sed 's/ *$//' | paste -sd/)
check_equal "the About window read in order" "$expected" \
    "$(windows_probe controls 'Acerca de Trelumo' | cut -d'|' -f1-2 | sed 's/ *$//' | paste -sd/)"
check_equal "Aceptar, the default button" "push button | Aceptar |  |  | focused default" \
    "$(windows_probe controls 'Acerca de Trelumo' | grep '^push button' | sed 's/ *$//')"

finish
