# shellcheck shell=bash
# A private Wayland session for one end-to-end test: a headless sway with no X server beside it,
# its windows floating as on a desktop's, a keyboard (wtype) and a mouse (wayland_pointer.py) that
# stay for the whole test. sway refuses to run as root: then it, and every client of it, runs as
# an unprivileged user of its own, made the first time. Sourced by session.sh.

wayland_lib=$(dirname "${BASH_SOURCE[0]}")
wayland_user=
wayland_screen=(1024 768)
sway_pid=
keyboard_pid=
pointer_pid=

# The user that the session runs as: the one running the test, unless that is root.
choose_wayland_user() {
    if [ "$(id -u)" -ne 0 ]; then
        wayland_user=$(id -un)
        return
    fi
    wayland_user=trelumo-wayland
    # Two tests may start at once: one makes the user while the other waits.
    flock /tmp/.trelumo-wayland-user.lock sh -c "id -u $wayland_user >/dev/null 2>&1 ||
        useradd --system --user-group --no-create-home --home-dir /nonexistent \
            --shell /usr/sbin/nologin $wayland_user"
}

# Sets as_user to the command that runs what follows it as the session's user, in the session's
# environment: one process after another takes the place of the one before, so that a command
# started in the background through it has the pid that $! tells.
wayland_user_prefix() {
    as_user=()
    [ "$(id -u)" -ne 0 ] || as_user=(setpriv --reuid="$wayland_user" --regid="$wayland_user"
                                     --clear-groups --reset-env)
    as_user+=(env -u DISPLAY HOME="$wayland_runtime" XDG_RUNTIME_DIR="$wayland_runtime"
              PATH="$PATH" LANG=C.UTF-8)
    [ -z "${WAYLAND_DISPLAY:-}" ] ||
        as_user+=(WAYLAND_DISPLAY="$WAYLAND_DISPLAY" SWAYSOCK="$SWAYSOCK")
    # The desktop's theme and text size, as a test gives them (lib/themes.sh, large_text.sh).
    local setting
    for setting in QT_QPA_PLATFORMTHEME GTK_THEME XDG_CONFIG_HOME QT_FONT_DPI; do
        [ -z "${!setting:-}" ] || as_user+=("$setting=${!setting}")
    done
    [ -z "${DBUS_SESSION_BUS_ADDRESS:-}" ] ||
        as_user+=(DBUS_SESSION_BUS_ADDRESS="$DBUS_SESSION_BUS_ADDRESS"
                  QT_LINUX_ACCESSIBILITY_ALWAYS_ON="$QT_LINUX_ACCESSIBILITY_ALWAYS_ON")
}

as_wayland_user() {
    local as_user
    wayland_user_prefix
    "${as_user[@]}" "$@"
}

# A path the session's user may run the program from: its own, when every folder above it lets
# that user through (a build folder in root's home does not), or else a copy in the session's
# folder, with the help folder that the program finds beside it.
wayland_reachable_program() {
    if as_wayland_user test -x "$1" -a -r "$1"; then
        echo "$1"
        return
    fi
    local copy="$session_dir/program"
    mkdir -p "$copy"
    cp "$1" "$copy/"
    [ ! -d "$(dirname "$1")/help" ] || cp -r "$(dirname "$1")/help" "$copy/"
    chmod -R a+rX "$copy"
    echo "$copy/$(basename "$1")"
}

# Starts sway in a runtime folder of the user's own inside the folder given, and the keyboard and
# the mouse; exports WAYLAND_DISPLAY and SWAYSOCK.
start_wayland_session() {
    local folder=$1 tries=0
    choose_wayland_user
    chmod 711 "$folder"
    wayland_runtime="$folder/runtime"
    mkdir -m 700 "$wayland_runtime" "$folder/probe_runtime"
    chown "$wayland_user:" "$wayland_runtime" 2>/dev/null || true
    cat >"$folder/sway.conf" <<EOF
xwayland disable
output HEADLESS-1 resolution ${wayland_screen[0]}x${wayland_screen[1]} position 0 0
default_border none
default_floating_border none
# Windows float and a program may bring its own window forward, as on GNOME's or KDE's desktop;
# the pointer is hidden when still, so that screenshots show the windows alone.
for_window [app_id=".*"] floating enable
focus_on_window_activation focus
seat * hide_cursor 100
EOF
    chmod 644 "$folder/sway.conf"
    local as_user
    WAYLAND_DISPLAY='' SWAYSOCK='' wayland_user_prefix
    "${as_user[@]}" WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman \
        sway -c "$folder/sway.conf" >"$folder/sway.log" 2>&1 &
    sway_pid=$!
    until WAYLAND_DISPLAY=$(cd "$wayland_runtime" && ls wayland-[0-9] 2>/dev/null) &&
        SWAYSOCK=$(ls "$wayland_runtime"/sway-ipc.*.sock 2>/dev/null) &&
        [ -n "$WAYLAND_DISPLAY" ] && as_wayland_user swaymsg -t get_outputs >/dev/null 2>&1; do
        kill -0 "$sway_pid" 2>/dev/null || { cat "$folder/sway.log" >&2; return 1; }
        ((++tries < 200)) || { echo "sway did not start" >&2; return 1; }
        sleep 0.05
    done
    export WAYLAND_DISPLAY SWAYSOCK
    unset DISPLAY

    # Each wtype brings a keyboard of its own and takes it away when it ends; with no keyboard
    # left, the window loses the keyboard focus and its open menu. This one waits on a pipe that
    # the test holds open, and keeps a keyboard there between the keys.
    mkfifo -m 600 "$folder/keyboard" "$folder/clicks" "$folder/clicked"
    wayland_user_prefix
    "${as_user[@]}" wtype - <"$folder/keyboard" &
    keyboard_pid=$!
    exec {keyboard_fd}>"$folder/keyboard"
    : "$keyboard_fd"  # held open until the test ends
    "${as_user[@]}" python3 "$wayland_lib/wayland_pointer.py" "${wayland_screen[@]}" \
        <"$folder/clicks" >"$folder/clicked" &
    pointer_pid=$!
    exec {clicks_fd}>"$folder/clicks" {clicked_fd}<"$folder/clicked"
    tries=0
    until as_wayland_user swaymsg -t get_seats | grep -q '"capabilities": 3'; do
        ((++tries < 200)) || { echo "no keyboard and mouse in sway's seat" >&2; return 1; }
        sleep 0.05
    done
}

stop_wayland_session() {
    [ -z "$sway_pid" ] && return 0
    local pid
    for pid in $keyboard_pid $pointer_pid $sway_pid; do
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    sway_pid=
}

# A click at a place on the screen, once sway has handed it on: BUTTON 1 left, 2 middle.
wayland_click() {
    local answer
    echo "click $1 $2 ${3:-1}" >&"$clicks_fd"
    read -r -t 10 answer <&"$clicked_fd" && [ "$answer" = "done" ]
}

# The windows on the screen, one a line, tab-separated: id, focused (true or false), x, y, width,
# height, title; the place and size those of the window's surface on the screen.
sway_windows() {
    as_wayland_user swaymsg -t get_tree | jq -r '
        recurse(.nodes[]?, .floating_nodes[]?)
        | select((.type == "con" or .type == "floating_con") and .pid != null and .visible)
        | [.id, .focused, .rect.x + .window_rect.x, .rect.y + .window_rect.y,
           .window_rect.width, .window_rect.height, .name] | @tsv'
}

# Ids of the windows whose titles match a pattern.
sway_windows_named() {
    local id title
    while IFS=$'\t' read -r id _ _ _ _ _ title; do
        [[ $title =~ $1 ]] && echo "$id"
    done < <(sway_windows)
    return 0
}

# One window's "x y width height" on the screen.
sway_window_geometry() {
    local id x y width height
    while IFS=$'\t' read -r id _ x y width height _; do
        [ "$id" = "$1" ] && echo "$x $y $width $height"
    done < <(sway_windows)
    return 0
}

# The title of a window, given its id.
sway_window_title() {
    local id title
    while IFS=$'\t' read -r id _ _ _ _ _ title; do
        [ "$id" = "$1" ] && printf '%s\n' "$title"
    done < <(sway_windows)
    return 0
}

# The id of the window with the keyboard focus.
sway_focused_window() {
    local id focused
    while IFS=$'\t' read -r id focused _; do
        [ "$focused" = true ] && echo "$id"
    done < <(sway_windows)
    return 0
}

# The application id of a window.
sway_window_app_id() {
    as_wayland_user swaymsg -t get_tree |
        jq -r --argjson id "$1" \
            'recurse(.nodes[]?, .floating_nodes[]?) | select(.id == $id) | .app_id'
}

# Asks sway about one window: swaymsg "[con_id=ID] COMMAND".
sway_command() {
    as_wayland_user swaymsg "[con_id=$1] $2" >/dev/null
}
