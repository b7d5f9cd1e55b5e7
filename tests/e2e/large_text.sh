#!/usr/bin/env bash
# Larger text and higher DPI, as a user chooses them: every caption of both windows (the labels,
# the fields' amounts, the sentence, the About window's texts and its button) shows whole inside
# its control, which has grown with the font as much as the font has. The screenshots are kept in
# the build tree, and the windows' sizes printed.
#   Linux: the application font from the user's Qt settings (qt6ct's general font, DejaVu Sans at
#   9 pt by default), and the DPI as Qt takes it from the desktop (QT_FONT_DPI).
#   Windows: the message font of Settings > Accessibility > Text size (MessageFont in
#   HKCU\Control Panel\Desktop\WindowMetrics, Tahoma at 11 pixels by default), and LogPixels.
set -euo pipefail
test_name=large_text
x_screen=2048x1536x24
source "$(dirname "$0")/lib/e2e.sh"

# Every text size at 96 dpi, and every DPI with the default, a larger and the largest text.
# text size (% of the default) | DPI
settings=(
  "100 | 96"
  "125 | 96"
  "150 | 96"
  "200 | 96"
  "100 | 144"
  "150 | 144"
  "125 | 192"
  "200 | 192"
)

# A LOGFONTW as the registry keeps it, in hex: HEIGHT pixels (at 96 dpi), normal weight, the
# system's default character set, a proportional sans-serif "MS Shell Dlg".
logfont_hex() {
    local height face
    height=$(printf '%08x' $((-$1 & 0xFFFFFFFF)))
    face=$(printf 'MS Shell Dlg' | iconv -t UTF-16LE | od -An -tx1 | tr -d ' \n')
    printf '%s%s%s%s%-128s' "${height:6:2}${height:4:2}${height:2:2}${height:0:2}" \
        000000000000000000000000 90010000 0000000000000022 "$face" | tr ' ' 0
}

# Chooses the text size and the DPI for the next start of the program.
choose_text_size() {
    local percent=$1 dpi=$2
    if [ "$program_platform" = wine ]; then
        # In the Spanish session the program starts in: Wine keeps the user's locale.
        stop_wine
        local said
        said=$(LANG=es_ES.UTF-8 LC_ALL=es_ES.UTF-8 wine reg add \
            'HKCU\Control Panel\Desktop\WindowMetrics' /v MessageFont /t REG_BINARY \
            /d "$(logfont_hex $(((11 * percent + 50) / 100)))" /f 2>&1) ||
            { echo "the message font for $percent % is not set: $said" >&2; return 1; }
        said=$(LANG=es_ES.UTF-8 LC_ALL=es_ES.UTF-8 wine reg add 'HKCU\Control Panel\Desktop' \
            /v LogPixels /t REG_DWORD /d "$dpi" /f 2>&1) ||
            { echo "$dpi dpi is not set: $said" >&2; return 1; }
        stop_wine
    else
        mkdir -p "$session_dir/config/qt6ct"
        printf '[Fonts]\ngeneral="DejaVu Sans,%s,-1,5,400,0,0,0,0,0,0,0,0,0,0,1"\n' \
            "$((9 * percent / 100)).$((9 * percent % 100))" >"$session_dir/config/qt6ct/qt6ct.conf"
        export XDG_CONFIG_HOME="$session_dir/config" QT_QPA_PLATFORMTHEME=qt6ct QT_FONT_DPI=$dpi
    fi
}

# The other tests share the Wine prefix: the defaults are put back, whatever happens.
back_to_default_text_size() {
    [ "$program_platform" != wine ] || choose_text_size 100 96
    end_session
}
trap back_to_default_text_size EXIT

stop_trelumo() {
    if [ "$program_platform" = wine ]; then
        stop_wine
    else
        kill "$trelumo_pid" 2>/dev/null || true
        wait "$trelumo_pid" 2>/dev/null || true
    fi
}

# check_whole WHAT SHOT TEXT X Y W H (twips) INSET [probe options]: the text shows whole in the
# control, INSET pixels at 96 dpi within its edges (a frame), grown with the layout. The test only
# estimates the layout's scale from the window's size: a region without a frame reaches a pixel
# further out.
check_whole() {
    local x y w h inset=$((($8 * layout_scale + 999) / 1000))
    [ "$8" -gt 0 ] || inset=-1
    read -r x y w h < <(control_rect "$4" "$5" "$6" "$7")
    check_text_at "$1" "$2" "$3" $((x + inset)) $((y + inset)) $((w - 2 * inset)) \
        $((h - 2 * inset)) "${@:9}"
}

# At 200 % and 192 dpi the main window is 1614 pixels wide: a compositor's screen that holds it.
wayland_screen=(1920 1080)
start_x_server
for setting in "${settings[@]}"; do
    read_row "$setting" percent dpi
    choose_text_size "$percent" "$dpi"
    start_trelumo
    at="at $percent % and $dpi dpi"

    type_text 1234,5
    press Tab
    shot="$E2E_OUTPUT/large_text_${percent}_${dpi}_euro.png"
    screenshot "$main_window" "$shot"
    find_main_window_layout "$shot"
    read -r width height < <(probe size "$shot")
    echo "# $at: main window ${width} x $((height - client_top)), layout x $layout_scale/1000"
    # Label1 and Label2 reach into the fields below them: their texts are looked for above.
    check_whole "Label1 $at" "$shot" "Euros:" "${Label1[@]:0:3}" \
        $((text_euro[1] - Label1[1] - 15)) 0
    check_whole "Label2 $at" "$shot" "Pesetas:" "${Label2[@]:0:3}" \
        $((text_pts[1] - Label2[1] - 15)) 0
    check_whole "Label3 $at" "$shot" "Euros" "${Label3[@]}" 0 \
        "font=Times New Roman" points=12 bold
    check_whole "Label4 $at" "$shot" "Ptas." "${Label4[@]}" 0 \
        "font=Times New Roman" points=12 bold
    check_whole "the euro field $at" "$shot" "1.234,50" "${text_euro[@]}" 2
    check_whole "the result $at" "$shot" "1.234,50 Euros  =  205.404 Ptas." "${result[@]}" 2

    press Tab
    shot="$E2E_OUTPUT/large_text_${percent}_${dpi}_pts.png"
    screenshot "$main_window" "$shot"
    check_whole "the peseta field $at" "$shot" "205.404" "${text_pts[@]}" 2
    check_whole "the result $at" "$shot" "205.404 Ptas.  =  1.234,50 Euros" "${result[@]}" 2

    press alt+y a
    about_window=$(wait_for_window '^Acerca de Trelumo$')
    shot="$E2E_OUTPUT/large_text_${percent}_${dpi}_about.png"
    screenshot "$about_window" "$shot"
    client_top=0
    read -r width height < <(probe size "$shot")
    echo "# $at: About window ${width} x ${height}"
    check_whole "lblTitle $at" "$shot" "Trelumo" "${lblTitle[@]}" 0
    check_whole "lblVersion $at" "$shot" "Versión 1.0.0" "${lblVersion[@]}" 0
    check_whole "lblDescription $at" "$shot" "Diseño y realización:" "${lblDescription[@]}" 0
    check_whole "lblDisclaimer $at" "$shot" "Trelumo" "${lblDisclaimer[@]}" 0 colour=#0000ff
    # Within the button's frame and the focus rectangle Windows draws inside it, on its face,
    # which Qt shades from top to bottom.
    read -r x y w h < <(control_rect "${cmdOK[@]}")
    check_whole "cmdOK $at" "$shot" "Aceptar" "${cmdOK[@]}" 4 \
        "background=$(probe colour "$shot" $((x + w / 8)) $((y + h / 2)))"
    stop_trelumo
done

finish
