# shellcheck shell=bash
# A private X server for one end-to-end test, the program under test on it, other clients, and
# the cleaning up of all of them when the test ends; or, with E2E_WAYLAND set, a private Wayland
# compositor in its place, with the Linux program as a Wayland client. Sourced by the test
# scripts.
#   TRELUMO       the Linux program to start (start_trelumo may be given another), or
#   TRELUMO_EXE   Trelumo.exe, started under Wine in the Wine prefix WINEPREFIX, which no other
#                 test uses at the same time
#   WINDOWS_PROBE for Trelumo.exe: the windows_probe program, which asks Windows itself
#   E2E_OUTPUT    where screenshots and logs are kept

if [ -n "${TRELUMO_EXE:-}" ]; then
    : "${WINEPREFIX:?WINEPREFIX names the Wine prefix Trelumo.exe runs in}"
    program_platform=wine
    export WINEPREFIX WINEDEBUG=${WINEDEBUG:--all}
else
    : "${TRELUMO:?TRELUMO or TRELUMO_EXE names the program under test}"
    program_platform=qt
    [ -z "${E2E_WAYLAND:-}" ] || program_platform=wayland
fi
: "${E2E_OUTPUT:?E2E_OUTPUT names the folder for screenshots and logs}"
mkdir -p "$E2E_OUTPUT"

session_dir=$(mktemp -d)
chmod 700 "$session_dir"
client_pids=()
trelumo_pid=
bus_pid=
source "$(dirname "${BASH_SOURCE[0]}")/x_server.sh"
source "$(dirname "${BASH_SOURCE[0]}")/wayland.sh"

end_session() {
    local pid
    for pid in "${client_pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    [ -z "${bus_pid:-}" ] || kill "$bus_pid" 2>/dev/null || true
    [ "$program_platform" != wine ] || stop_wine
    stop_private_x_server
    stop_wayland_session
    rm -rf "$session_dir"
}
trap end_session EXIT

# The private X server, with the session's folder as the user's runtime folder; or the private
# Wayland compositor.
start_x_server() {
    export XDG_RUNTIME_DIR="$session_dir"
    if [ "$program_platform" = wayland ]; then
        start_wayland_session "$session_dir"
        return
    fi
    start_private_x_server "$session_dir"
    # Wine's own processes (the desktop, the clipboard) stay on the display they started on.
    [ "$program_platform" != wine ] || stop_wine
}

# A private session bus with the accessibility bus on it, which the Linux program then joins: what
# it says to assistive technologies can be read (message_texts). For Trelumo.exe, nothing.
start_accessibility_bus() {
    [ "$program_platform" != wine ] || return 0
    local address
    { read -r address; read -r bus_pid; } < <(as_session_user dbus-daemon --session --fork \
        --print-address=1 --print-pid=1)
    export DBUS_SESSION_BUS_ADDRESS=$address QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
    as_session_user dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
        org.a11y.Bus.GetAddress >/dev/null
}

# Runs a command as the user the program runs as: on Wayland, the compositor's.
as_session_user() {
    if [ "$program_platform" = wayland ]; then
        as_wayland_user "$@"
    else
        "$@"
    fi
}

# The windows titled as the program, other than its main window: its message boxes, one a line.
message_boxes() {
    windows_named '^Trelumo$' | grep -vx "$main_window" || true
}

message_box_count() {
    message_boxes | grep -c . || true
}

# Waits, ten seconds at most, until the number of message boxes shown compares with a number:
# wait_for_message_boxes -ge 1.
wait_for_message_boxes() {
    local tries=0
    until [ "$(message_box_count)" "$1" "$2" ]; do
        ((++tries < 200)) || return 1
        sleep 0.05
    done
}

# Prints the texts of the message boxes titled TITLE, their message and their buttons, one a
# line; fails when there is none. The Linux program's are read through the accessibility bus.
message_texts() {
    if [ "$program_platform" = wine ]; then
        windows_probe message_texts "$1"
    else
        as_session_user /usr/bin/python3 "$(dirname "${BASH_SOURCE[0]}")/accessible_texts.py" \
            message_texts "$1"
    fi
}

# Ends every Windows program in the Wine prefix, and Wine's server with them.
stop_wine() {
    wineserver -k 2>/dev/null || true
    timeout 30 wineserver -w 2>/dev/null || true
}

# Starts a client in the background and remembers it for the cleaning up; its pid in $last_pid.
start_client() {
    local log=$1
    shift
    "$@" >"$log" 2>&1 &
    last_pid=$!
    client_pids+=("$last_pid")
}

# Starts Trelumo as a Spanish user would (or in the language of session_language), on the X
# server, and waits for its main window, whose id goes to $main_window. Another program, or for
# Trelumo.exe another command line to Wine, may be given.
start_trelumo() {
    local log="$E2E_OUTPUT/${test_name:-trelumo}.log" language=${session_language:-es_ES.UTF-8}
    if [ "$program_platform" = wine ]; then
        [ $# -gt 0 ] || set -- "$TRELUMO_EXE"
        start_client "$log" env LANG="$language" LC_ALL="$language" wine "$@"
    elif [ "$program_platform" = wayland ]; then
        local as_user program
        program=$(wayland_reachable_program "${1:-$TRELUMO}")
        wayland_user_prefix
        start_client "$log" "${as_user[@]}" QT_QPA_PLATFORM=wayland LANG="$language" \
            LC_ALL="$language" "$program"
    else
        start_client "$log" \
            env QT_QPA_PLATFORM=xcb LANG="$language" LC_ALL="$language" "${1:-$TRELUMO}"
    fi
    trelumo_pid=$last_pid
    main_window=$(wait_for_window '^Trelumo$')
    focus_window "$main_window"
}

# Starts another program with a window titled "otra", its output to a log.
start_other_window() {
    if [ "$program_platform" = wayland ]; then
        local as_user program
        program=$(wayland_reachable_program "${OTHER_WINDOW:?OTHER_WINDOW names its program}")
        wayland_user_prefix
        start_client "$1" "${as_user[@]}" QT_QPA_PLATFORM=wayland "$program" otra "Otra ventana"
    else
        start_client "$1" xmessage -name otra "Otra ventana"
    fi
}

# Prints the ids of the visible windows whose titles match a pattern, one a line.
windows_named() {
    if [ "$program_platform" = wayland ]; then
        sway_windows_named "$1"
    else
        xdotool search --onlyvisible --name "$1" 2>/dev/null || true
    fi
}

# The title of a window.
window_name() {
    if [ "$program_platform" = wayland ]; then
        sway_window_title "$1"
    else
        xdotool getwindowname "$1"
    fi
}

# Prints the id of the visible window whose title matches a pattern, once there is one.
wait_for_window() {
    local id tries=0
    if [ "$program_platform" = wayland ]; then
        until id=$(sway_windows_named "$1" | head -n1) && [ -n "$id" ]; do
            ((++tries < 400)) || break
            sleep 0.05
        done
    else
        id=$(timeout 20 xdotool search --sync --onlyvisible --name "$1" | head -n1) || true
    fi
    [ -n "$id" ] || { echo "no window with a title like $1" >&2; return 1; }
    echo "$id"
}

# Succeeds once no visible window's title matches the pattern.
wait_for_no_window() {
    local tries=0
    while [ -n "$(windows_named "$1")" ]; do
        ((++tries < 100)) || return 1
        sleep 0.05
    done
}

# Gives a window the keyboard focus, as a click on it would; there is no window manager. Wine
# makes a window of Trelumo's active when the X server's focus moves to it; when the focus is
# there already, Windows is asked to make it active. On Wayland, sway is asked.
focus_window() {
    local name tries=0
    if [ "$program_platform" = wayland ]; then
        sway_command "$1" focus
        until [ "$(sway_focused_window)" = "$1" ]; do
            ((++tries < 200)) || return 1
            sleep 0.05
        done
        return
    fi
    timeout 10 xdotool windowfocus --sync "$1"
    name=$(xdotool getwindowname "$1")
    if [ "$program_platform" = wine ] && [[ $name == *Trelumo* ]]; then
        windows_probe activate "$name" >/dev/null || true
    fi
}

# The title of the window that has the keyboard focus. Without a window manager, Wine leaves the
# X server's focus where it was when it makes a window of its own active: Windows tells which.
focused_window_name() {
    local name
    [ "$program_platform" != wayland ] || { sway_window_title "$(sway_focused_window)"; return; }
    name=$(xdotool getwindowfocus getwindowname)
    if [ "$program_platform" = wine ] && [[ $name == *Trelumo* ]]; then
        name=$(windows_probe active)
    fi
    printf '%s\n' "$name"
}

# Runs windows_probe, for a minute at most: a Windows program waiting on Wine's clipboard may
# never end.
windows_probe() {
    : "${WINDOWS_PROBE:?WINDOWS_PROBE names the windows_probe program}"
    timeout 60 wine "$WINDOWS_PROBE" "$@" 2>/dev/null | tr -d '\r'
}

# Waits for Trelumo to end; its exit status goes to $trelumo_status, "running" if it does not end.
wait_for_trelumo_end() {
    local tries=0
    while trelumo_running; do
        ((++tries < 200)) || { trelumo_status=running; return 0; }
        sleep 0.05
    done
    trelumo_status=0
    wait "$trelumo_pid" || trelumo_status=$?
}

# Whether Trelumo's process is still there (one that has ended but not been waited for is not).
trelumo_running() {
    local pid state rest
    read -r pid _ state rest 2>/dev/null <"/proc/$trelumo_pid/stat" || return 1
    [ "$state" != Z ]
}
