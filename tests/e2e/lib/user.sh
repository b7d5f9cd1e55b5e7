# shellcheck shell=bash
# What a person does at the keyboard and the mouse, and the clipboard, through the X server or the
# Wayland compositor. Sourced by the test scripts after session.sh.

# Clicks a window's close control: the request to close that a window manager sends.
request_close() {
    if [ "$program_platform" = wayland ]; then
        sway_command "$1" kill
    else
        python3 "$(dirname "${BASH_SOURCE[0]}")/close_request.py" "$1"
    fi
}

# Closes a message box with its one button, Aceptar: Enter, or under Wine, which with no window
# manager leaves the keys with the main window, a click at the middle of the box's bottom.
close_message_box() {
    if [ "$program_platform" = wine ]; then
        local width height
        read -r width height < <(xwininfo -id "$1" |
            awk '/Width:/ {w = $2} /Height:/ {h = $2} END {print w, h}')
        click_window "$1" $((width / 2)) $((height - 21))
    else
        focus_window "$1"
        press Return
    fi
}

# Presses keys one after the other, as xdotool names them (Tab, ctrl+c, alt+y, F1, alt, ...).
press() {
    if [ "$program_platform" = wayland ]; then
        local key
        for key in "$@"; do
            # shellcheck disable=SC2046 # wtype's options for the key, one word each
            as_wayland_user wtype $(wtype_key "$key") -s 40
        done
    else
        xdotool key --delay 40 "$@"
    fi
}

# wtype's options for a key as xdotool names it: each modifier held, the key, each let go. A
# modifier pressed alone is the key it names, which then holds the modifier while it is down.
wtype_key() {
    local -A keys=([ctrl]=Control_L [alt]=Alt_L [shift]=Shift_L [super]=Super_L)
    local -A modifiers=([ctrl]=ctrl [alt]=alt [shift]=shift [super]=logo)
    local key=${1##*+} modifier
    if [ -n "${keys[$key]:-}" ] && [ "$key" = "$1" ]; then
        echo "-P ${keys[$key]} -M ${modifiers[$key]} -p ${keys[$key]} -m ${modifiers[$key]}"
        return
    fi
    local held=() let_go=()
    if [ "$key" != "$1" ]; then
        IFS=+ read -r -a held <<<"${1%+*}"
    fi
    for modifier in "${held[@]}"; do
        echo -n "-M ${modifiers[$modifier]} "
        let_go+=("-m ${modifiers[$modifier]}")
    done
    echo "-k $key ${let_go[*]}"
}

# Types text into the window that has the focus.
type_text() {
    if [ "$program_platform" = wayland ]; then
        as_wayland_user wtype -d 40 -- "$1"
    else
        xdotool type --delay 40 -- "$1"
    fi
}

# click_window WINDOW X Y [BUTTON]: a click, with the left button unless told (2: the middle one),
# at a place in a window, from its top-left corner.
click_window() {
    if [ "$program_platform" = wayland ]; then
        local x y
        read -r x y _ < <(sway_window_geometry "$1")
        wayland_click $((x + $2)) $((y + $3)) "${4:-1}"
    else
        xdotool mousemove --window "$1" "$2" "$3" click "${4:-1}"
    fi
}

# Puts text on the clipboard, as another program would when the user copies it there; with
# "primary" after the text, on the primary selection, which a middle click pastes. For Trelumo.exe
# the text goes on Windows' clipboard from a Windows program: handing the clipboard back and forth
# between X clients and Wine now and then leaves Wine's clipboard waiting for ever.
put_on_clipboard() {
    local selection=${2:-clipboard} tries=0
    if [ "$program_platform" = wine ] && [ "$selection" = clipboard ]; then
        printf '%s' "$1" | windows_probe copy
    elif [ "$program_platform" = wayland ]; then
        local as_user selection_option=()
        [ "$selection" = clipboard ] || selection_option=(--primary)
        wayland_user_prefix
        printf '%s' "$1" | "${as_user[@]}" wl-copy --foreground "${selection_option[@]}" \
            >/dev/null 2>&1 &
        client_pids+=("$!")
    else
        printf '%s' "$1" | xclip -i -selection "$selection" -quiet >/dev/null 2>&1 &
        client_pids+=("$!")
    fi
    # The dot keeps line ends at the end of the text from being dropped before the comparison.
    until [ "$(clipboard_text "$selection"; echo .)" = "$1." ]; do
        ((++tries < 100)) || { echo "the $selection selection does not take the text" >&2; return 1; }
        sleep 0.05
    done
}

# Prints the text on the clipboard, or on the selection named.
clipboard_text() {
    if [ "$program_platform" = wine ] && [ "$1" = clipboard ]; then
        windows_probe clipboard
    elif [ "$program_platform" = wayland ]; then
        local selection_option=()
        [ "$1" = clipboard ] || selection_option=(--primary)
        as_wayland_user wl-paste --no-newline --type text "${selection_option[@]}" 2>/dev/null ||
            true
    else
        xclip -o -selection "$1" -t UTF8_STRING 2>/dev/null || true
    fi
}

# Pastes text into the window that has the focus: onto the clipboard, then ctrl+v.
paste_text() {
    put_on_clipboard "$1"
    press ctrl+v
}

# Prints what ctrl+c copies from the window that has the focus: its selected text. The clipboard
# holds a mark first, so that what is printed is known to come from this copy.
copy_selection() {
    local mark="nothing copied $RANDOM"
    put_on_clipboard "$mark"
    press ctrl+c
    local tries=0 copied=$mark
    while [ "$copied" = "$mark" ] && ((tries++ < 100)); do
        sleep 0.05
        copied=$(clipboard_text clipboard)
    done
    [ "$copied" = "$mark" ] && copied="(nothing copied)"
    printf '%s\n' "$copied"
}

# Prints the whole text of the field that has the focus: ctrl+a, then ctrl+c.
field_text() {
    press ctrl+a
    copy_selection
}
