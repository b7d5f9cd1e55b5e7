# shellcheck shell=bash
# A private X server: Xvfb on a display number it chooses itself, ready when start_x_server
# returns. Sourced by the end-to-end tests and the benchmarks.

x_server_pid=
# The screen's size and depth; a test whose windows grow large makes it larger.
x_screen=${x_screen:-1024x768x24}

# Starts Xvfb, waits until it takes clients, and exports DISPLAY. Its log and display number are
# kept in the folder given (default: a new temporary one); stop_private_x_server ends it.
start_private_x_server() {
    local folder=${1:-$(mktemp -d)}
    local display_file="$folder/display"
    Xvfb -displayfd 3 -screen 0 "$x_screen" -dpi 96 -nolisten tcp 3>"$display_file" \
        >"$folder/xvfb.log" 2>&1 &
    x_server_pid=$!
    local tries=0
    until grep -q '^[0-9]' "$display_file" 2>/dev/null; do
        kill -0 "$x_server_pid" 2>/dev/null || { cat "$folder/xvfb.log" >&2; return 1; }
        ((++tries < 200)) || { echo "Xvfb did not start" >&2; return 1; }
        sleep 0.05
    done
    DISPLAY=":$(head -n1 "$display_file")"
    export DISPLAY
}

stop_private_x_server() {
    [ -z "$x_server_pid" ] && return 0
    kill "$x_server_pid" 2>/dev/null || true
    wait "$x_server_pid" 2>/dev/null || true
    x_server_pid=
}
