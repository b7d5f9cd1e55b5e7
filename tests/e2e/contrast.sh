#!/usr/bin/env bash
# Every text of both windows reads on its ground in each theme a user may have: a contrast ratio
# of at least 4.5:1 (WCAG 2.x) between the text's strokes and its ground, measured on
# screenshots. The labels, the field typed into (highlighted), the field left, the field entered
# (its text selected), the sentence, the About window's texts and its button. A theme switched
# while the Qt program runs is followed at once by both windows.
set -euo pipefail
test_name=contrast
source "$(dirname "$0")/lib/e2e.sh"
source "$(dirname "$0")/lib/themes.sh"

lowest=()
declare -A grounds  # by "theme|what"

# check_contrast WHAT SHOT X Y W H (pixels): the text in the region reads on its ground.
check_contrast() {
    local what=$1 shot=$2 ratio ground ink
    read -r ratio ground ink < <(probe contrast "$shot" "$3" "$4" "$5" "$6")
    grounds["$theme|$what"]=$ground
    if [ "${only_noted:-}" = yes ]; then
        echo "note - $theme: $what, $ink on $ground: $ratio"
        return
    fi
    if awk -v r="$ratio" 'BEGIN { exit !(r >= 4.5) }'; then
        pass "$theme: $what, $ink on $ground: $ratio"
    else
        fail "$theme: $what, $ink on $ground: $ratio, below 4.5"
    fi
    theme_lowest=$(awk -v a="$theme_lowest" -v b="$ratio" 'BEGIN { print (b < a ? b : a) }')
}

# check_control_contrast WHAT SHOT INSET X Y W H (twips): the same, in a control's place less
# INSET pixels on each side (a field's or a button's frame).
check_control_contrast() {
    local what=$1 shot=$2 inset=$3 x y w h
    read -r x y w h < <(control_rect "$4" "$5" "$6" "$7")
    check_contrast "$what" "$shot" $((x + inset)) $((y + inset)) $((w - 2 * inset)) \
        $((h - 2 * inset))
}

# check_selection_contrast WHAT SHOT X Y W H (twips): the selected text of a field reads on the
# selection, found as what differs from the field's ground at its left end. Windows' own edit
# control draws it in the desktop's selection colours, whatever the program asks: there the
# ratio is only noted (Windows' default white on #0078d7 is 4.499).
check_selection_contrast() {
    local only_noted=no
    [ "$program_platform" != wine ] || only_noted=yes
    local what=$1 shot=$2 x y w h field selection
    read -r x y w h < <(control_rect "$3" "$4" "$5" "$6")
    x=$((x + 3)) y=$((y + 3)) w=$((w - 6)) h=$((h - 6))
    field=$(probe colour "$shot" "$x" $((y + h / 2)))
    selection=$(probe box "$shot" "$x" "$y" "$w" "$h" "not:$field")
    if [ "$selection" = none ]; then
        fail "$theme: $what: no selection shown"
        return
    fi
    # shellcheck disable=SC2086
    check_contrast "$what" "$shot" $selection
}

# The labels above the fields end where the fields begin.
check_labels() {
    check_control_contrast "Label1" "$1" 0 "${Label1[@]:0:3}" $((text_euro[1] - Label1[1]))
    check_control_contrast "Label2" "$1" 0 "${Label2[@]:0:3}" $((text_pts[1] - Label2[1]))
    check_control_contrast "Label3" "$1" 0 "${Label3[@]}"
    check_control_contrast "Label4" "$1" 0 "${Label4[@]}"
}

check_about_window() {
    local shot=$1
    check_control_contrast "lblTitle" "$shot" 0 "${lblTitle[@]}"
    check_control_contrast "lblVersion" "$shot" 0 "${lblVersion[@]}"
    check_control_contrast "lblDescription" "$shot" 0 "${lblDescription[@]}"
    check_control_contrast "lblDisclaimer" "$shot" 0 "${lblDisclaimer[@]}"
    check_control_contrast "cmdOK" "$shot" 4 "${cmdOK[@]}"
}

# The client area is the bottom of the window, below its menu bar, whatever the theme draws; the
# layout grows with the theme's font.
shot_of_main_window() {
    screenshot "$main_window" "$1"
    find_main_window_layout "$1"
}

open_about_window() {
    focus_window "$main_window"
    press alt+y a
    about_window=$(wait_for_window '^Acerca de Trelumo$')
}

shot_of_about_window() {
    screenshot "$about_window" "$1"
    client_top=0
}

start_x_server
if [ "$program_platform" = wine ]; then
    # The prefix is the other tests' too: its colours are given back when this one ends.
    wine reg export 'HKCU\Control Panel\Colors' "$session_dir/colours.reg" /y >/dev/null 2>&1
fi
for theme in "${themes[@]}"; do
    theme_lowest=21
    stop_wine
    use_theme "$theme"
    start_trelumo
    name=${theme// /_}
    shot="$E2E_OUTPUT/contrast_${name}_start.png"
    shot_of_main_window "$shot"
    check_labels "$shot"
    check_selection_contrast "the euro field at start, selected" "$shot" "${text_euro[@]}"
    type_text 8888
    shot="$E2E_OUTPUT/contrast_${name}_typed.png"
    shot_of_main_window "$shot"
    check_control_contrast "the euro field typed into" "$shot" 3 "${text_euro[@]}"
    press Tab
    shot="$E2E_OUTPUT/contrast_${name}_converted.png"
    shot_of_main_window "$shot"
    check_control_contrast "the euro field left" "$shot" 3 "${text_euro[@]}"
    check_selection_contrast "the peseta field entered, selected" "$shot" "${text_pts[@]}"
    check_control_contrast "the sentence" "$shot" 0 "${result_inside[@]}"
    open_about_window
    shot="$E2E_OUTPUT/contrast_${name}_about.png"
    shot_of_about_window "$shot"
    check_about_window "$shot"
    lowest+=("$theme: $theme_lowest")
    kill "$trelumo_pid" 2>/dev/null || true
    wait "$trelumo_pid" 2>/dev/null || true
done

# Switched while it runs, from a light theme to a dark one, with both windows open. Wine keeps
# each program's system colours its own: colours set by one program never reach another there,
# so Trelumo.exe's following them is checked by the Windows layer's own tests.
if [ "$program_platform" != wine ]; then
    theme="qt6ct darker, switched to from qt6ct light"
    theme_lowest=21
    use_theme "qt6ct light"
    start_trelumo
    type_text 8888
    press Tab
    open_about_window
    shot="$E2E_OUTPUT/contrast_switched_about.png"
    shot_of_about_window "$shot"
    light=$(probe colour "$shot" 2 2)
    switch_theme "qt6ct darker"
    # qt6ct reads its settings again a few seconds after they change.
    tries=0
    while shot_of_about_window "$shot" && [ "$(probe colour "$shot" 2 2)" = "$light" ]; do
        ((++tries < 100)) || break
        sleep 0.1
    done
    check "the About window's ground changed from $light" \
        test "$(probe colour "$shot" 2 2)" != "$light"
    check_about_window "$shot"
    # The About window, in the middle of the screen as the main window is, goes first.
    focus_window "$about_window"
    press Escape
    wait_for_no_window '^Acerca de Trelumo$'
    shot="$E2E_OUTPUT/contrast_switched_main.png"
    shot_of_main_window "$shot"
    check_labels "$shot"
    check_control_contrast "the euro field left" "$shot" 3 "${text_euro[@]}"
    check_selection_contrast "the peseta field entered, selected" "$shot" "${text_pts[@]}"
    check_control_contrast "the sentence" "$shot" 0 "${result_inside[@]}"
    lowest+=("$theme: $theme_lowest")
    # Each text on the ground it has when Trelumo starts in that theme: the window's own colours
    # (its face, the highlighted field) taken again, not left to the theme's defaults.
    for key in "${!grounds[@]}"; do
        [[ $key == "$theme|"* ]] || continue
        what=${key#*|}
        check_equal "switched: the ground of $what, as when started in qt6ct darker" \
            "${grounds[qt6ct darker|$what]}" "${grounds[$key]}"
    done
else
    stop_wine
    wine reg import "$session_dir/colours.reg" >/dev/null 2>&1
fi

printf 'lowest contrast ratio, %s\n' "${lowest[@]}"
finish
