# shellcheck shell=bash
# What a person does at the keyboard, and the clipboard, through the X server. Sourced by the
# test scripts after session.sh.

# Clicks a window's close control: the request to close that a window manager sends.
request_close() {
    python3 "$(dirname "${BASH_SOURCE[0]}")/close_request.py" "$1"
}

# Closes a message box with its one button, Aceptar: Enter, or under Wine, which with no window
# manager leaves the keys with the main window, a click at the middle of the box's bottom.
close_message_box() {
    if [ "$program_platform" = wine ]; then
        local width height
        read -r width height < <(xwininfo -id "$1" |
            awk '/Width:/ {w = $2} /Height:/ {h = $2} END {print w, h}')
        xdotool mousemove --window "$1" $((width / 2)) $((height - 21)) click 1
    else
        focus_window "$1"
        press Return
    fi
}

# Presses keys one after the other, as xdotool names them (Tab, ctrl+c, alt+y, F1, ...).
press() {
    xdotool key --delay 40 "$@"
}

# Types text into the window that has the focus.
type_text() {
    xdotool type --delay 40 -- "$1"
}

# Puts text on the clipboard, as another program would when the user copies it there; with
# "primary" after the text, on the primary selection, which a middle click pastes. For Trelumo.exe
# the text goes on Windows' clipboard from a Windows program: handing the clipboard back and forth
# between X clients and Wine now and then leaves Wine's clipboard waiting for ever.
put_on_clipboard() {
    local selection=${2:-clipboard} tries=0
    if [ "$program_platform" = wine ] && [ "$selection" = clipboard ]; then
        printf '%s' "$1" | windows_probe copy
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
