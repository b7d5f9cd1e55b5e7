# shellcheck shell=bash
# Screenshots and what they show: places in the stored layout's twips, client-area coordinates,
# and checks of texts, pictures and controls at their places. Sourced by the test scripts after
# session.sh and check.sh.
#   SCREEN_PROBE  the screen_probe program

: "${SCREEN_PROBE:?SCREEN_PROBE names the screen_probe program}"

probe() {
    if [ "$program_platform" = wayland ]; then
        QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY="$wayland_runtime/$WAYLAND_DISPLAY" \
            XDG_RUNTIME_DIR="$session_dir/probe_runtime" "$SCREEN_PROBE" "$@" 2>&1
    else
        QT_QPA_PLATFORM=xcb "$SCREEN_PROBE" "$@" 2>&1
    fi
}

# Saves a PNG of a window once it has finished drawing: two shots in a row come out the same.
screenshot() {
    local window=$1 file=$2 previous="$session_dir/previous.png" tries=0
    shoot_window "$window" "$file"
    until cp "$file" "$previous" && sleep 0.1 && shoot_window "$window" "$file" &&
        cmp -s "$file" "$previous"; do
        ((++tries < 50)) || { echo "the window $window does not stop changing" >&2; return 1; }
    done
}

# A PNG of what a window shows, as it is on the screen.
shoot_window() {
    if [ "$program_platform" = wayland ]; then
        local x y width height
        read -r x y width height < <(sway_window_geometry "$1")
        as_wayland_user grim -g "$x,$y ${width}x$height" - >"$2"
    else
        import -window "$1" "$2"
    fi
}

# How much larger than drawn, in thousandths, the windows are shown: at 1000, 15 twips to the
# pixel (96 dpi and a font no larger than the layout's own).
layout_scale=1000

# Pixels from twips, at the layout's scale, rounded to the nearest.
px() {
    echo $((($1 * layout_scale + 7500) / 15000))
}

# The layout's scale and where the client area starts, from a screenshot of the main window: its
# client area, 385 x 121 pixels as drawn, grows with the user's font; the menu bar is above it.
find_main_window_layout() {
    local width height
    read -r width height < <(probe size "$1")
    layout_scale=$(((width * 1000 + 192) / 385))
    client_top=$((height - $(px "${main_client[1]}")))
}

# Where the client area starts below the menu bar of the main window's screenshot. Qt ends its
# menu bar with a line: the row after it, the first row across the whole width in one colour other
# than the window's background (the colour of its bottom row). Windows may draw the menu bar in
# the window's own colour, with no line: Windows itself tells where the client area starts, and
# the window's place on the X server where the screenshot starts. Sets client_top.
find_client_top() {
    if [ "$program_platform" = wine ]; then
        local client_y window_y
        read -r _ client_y < <(windows_probe client Trelumo)
        window_y=$(xwininfo -id "$main_window" | awk '/Absolute upper-left Y/ {print $NF}')
        client_top=$((client_y - window_y))
        return
    fi
    client_top=$(probe rows "$1" | awk '
        { colour[NR] = $2 }
        END {
            for (row = 1; row <= NR; row++)
                if (colour[row] != "mixed" && colour[row] != colour[NR]) { print row; exit }
            print 0
        }')
}

# The colour of the client area's background, at its top-left corner.
background_of() {
    probe colour "$1" 0 "$client_top"
}

# check_window_size WHAT SHOT WIDTH HEIGHT: the size of the client area, below client_top.
check_window_size() {
    local width height
    read -r width height < <(probe size "$2")
    check_equal "$1" "$3 x $4" "$width x $((height - client_top))"
}

# The rectangle, "x y w h" in screenshot pixels, of a control placed in twips in the client area.
control_rect() {
    echo "$(px "$1") $(($(px "$2") + client_top)) $(px "$3") $(px "$4")"
}

# check_control WHAT SHOT KIND X Y W H (twips): the pixels of a KIND (see screen_probe) found
# around the control's place fill exactly its rectangle.
check_control() {
    local what=$1 shot=$2 kind=$3 x y w h
    read -r x y w h < <(control_rect "$4" "$5" "$6" "$7")
    check_equal "$what at its place" "$x $y $w $h" \
        "$(probe box "$shot" $((x - 3)) $((y - 3)) $((w + 6)) $((h + 6)) "$kind")"
}

# check_inside WHAT SHOT KIND X Y W H (twips): pixels of a KIND are found around the control's
# place, and all of them lie inside its rectangle.
check_inside() {
    local what=$1 shot=$2 kind=$3 x y w h found fx fy fw fh
    read -r x y w h < <(control_rect "$4" "$5" "$6" "$7")
    found=$(probe box "$shot" $((x - 3)) $((y - 3)) $((w + 6)) $((h + 6)) "$kind")
    if [ "$found" = none ]; then
        fail "$what: nothing of $kind around $x $y $w $h"
        return
    fi
    read -r fx fy fw fh <<<"$found"
    if ((fx >= x && fy >= y && fx + fw <= x + w && fy + fh <= y + h)); then
        pass "$what inside $x $y $w $h"
    else
        fail "$what: $kind at $found, outside $x $y $w $h"
    fi
}

# check_nothing WHAT SHOT KIND X Y W H (twips): no pixel of a KIND inside the rectangle.
check_nothing() {
    local x y w h
    read -r x y w h < <(control_rect "$4" "$5" "$6" "$7")
    check_equal "$1" none "$(probe box "$2" "$x" "$y" "$w" "$h" "$3")"
}

# check_text WHAT SHOT TEXT X Y W H (twips) [INSET [probe options]]: the rectangle, less INSET
# pixels on each side (a field's frame), shows exactly TEXT. For Trelumo.exe the text is drawn
# by Windows itself, with the same options, on the background at the rectangle's corner.
check_text() {
    local x y w h inset=${8:-0}
    read -r x y w h < <(control_rect "$4" "$5" "$6" "$7")
    check_text_at "$1" "$2" "$3" $((x + inset)) $((y + inset)) $((w - 2 * inset)) \
        $((h - 2 * inset)) "${@:9}"
}

# check_text_at WHAT SHOT TEXT X Y W H (pixels) [probe options]: the same, in a region of the
# screenshot.
check_text_at() {
    local what=$1 shot=$2 text=$3 x=$4 y=$5 w=$6 h=$7 options=("${@:8}")
    if [ "$program_platform" = wine ]; then
        local drawn="$session_dir/text.bmp"
        rm -f "$drawn"
        if ! windows_probe text "$drawn" "$text" "${options[@]}" \
            "background=$(probe colour "$shot" "$x" "$y")" >/dev/null; then
            fail "$what shows \"$text\": Windows did not draw the text to compare with"
            return
        fi
        options=("drawn=$drawn")
    fi
    check "$what shows \"$text\"" probe text "$shot" "$x" "$y" "$w" "$h" "$text" "${options[@]}"
}

# check_picture WHAT SHOT PICTURE X Y (twips): the picture is shown with its corner there.
check_picture() {
    local x y w h
    read -r x y w h < <(control_rect "$4" "$5" 0 0)
    check "$1" probe picture "$2" "$x" "$y" "$3"
}
