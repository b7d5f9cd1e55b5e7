# shellcheck shell=bash
# The themes a user may give the desktop, set before Trelumo starts or switched while it runs.
# Sourced by the test scripts after session.sh.
#   Qt:   the default theme (Fusion, its light palette); GNOME's Adwaita dark through the gtk3
#         platform theme; qt6ct with its "darker" colour scheme (or "qt6ct light", Fusion's own
#         palette), which qt6ct applies to running programs a few seconds after its settings
#         change.
#   Wine: the colours of a fresh Windows and its High Contrast Black and High Contrast White
#         schemes, as Windows keeps them under HKCU\Control Panel\Colors.

if [ "$program_platform" = wine ]; then
    themes=("Windows default" "High Contrast Black" "High Contrast White")
else
    themes=("default" "Adwaita dark" "qt6ct darker")
fi

# The colours of Windows' schemes, by their names in the registry. Windows' defaults, with the
# tooltip and scroll-bar colours that the tests' prefix sets (lib/wine_prefix.sh).
windows_default_colours=(
    "Scrollbar=200 200 200" "Window=255 255 255" "WindowText=0 0 0" "ButtonFace=240 240 240"
    "ButtonText=0 0 0" "InfoWindow=255 255 225" "InfoText=0 0 0" "Hilight=0 120 215"
    "HilightText=255 255 255" "GrayText=109 109 109" "HotTrackingColor=0 102 204"
    "Menu=240 240 240" "MenuText=0 0 0" "MenuBar=240 240 240")
high_contrast_black_colours=(
    "Scrollbar=0 0 0" "Window=0 0 0" "WindowText=255 255 255" "ButtonFace=0 0 0"
    "ButtonText=255 255 255" "InfoWindow=0 0 0" "InfoText=255 255 255" "Hilight=26 235 255"
    "HilightText=0 0 0" "GrayText=63 242 63" "HotTrackingColor=255 255 0"
    "Menu=0 0 0" "MenuText=255 255 255" "MenuBar=0 0 0")
high_contrast_white_colours=(
    "Scrollbar=255 255 255" "Window=255 255 255" "WindowText=0 0 0" "ButtonFace=255 255 255"
    "ButtonText=0 0 0" "InfoWindow=255 255 255" "InfoText=0 0 0" "Hilight=55 0 110"
    "HilightText=255 255 255" "GrayText=96 0 0" "HotTrackingColor=0 0 159"
    "Menu=255 255 255" "MenuText=0 0 0" "MenuBar=255 255 255")

# The colours of one of the Windows schemes above.
scheme_colours() {
    case "$1" in
        "Windows default") echo windows_default_colours ;;
        "High Contrast Black") echo high_contrast_black_colours ;;
        "High Contrast White") echo high_contrast_white_colours ;;
    esac
}

# qt6ct's settings: its own colour scheme or none (the style's palette), read again when they
# change.
write_qt6ct_settings() {
    mkdir -p "$XDG_CONFIG_HOME/qt6ct"
    local palette=false
    [ "$1" = "qt6ct darker" ] && palette=true
    cat >"$XDG_CONFIG_HOME/qt6ct/qt6ct.conf.new" <<SETTINGS
[Appearance]
style=Fusion
custom_palette=$palette
color_scheme_path=/usr/share/qt6ct/colors/darker.conf
SETTINGS
    mv "$XDG_CONFIG_HOME/qt6ct/qt6ct.conf.new" "$XDG_CONFIG_HOME/qt6ct/qt6ct.conf"
}

# Gives the desktop a theme, for the programs started after; Wine must not be running.
use_theme() {
    unset QT_QPA_PLATFORMTHEME GTK_THEME QT_STYLE_OVERRIDE
    export XDG_CONFIG_HOME="$session_dir/config"
    case "$1" in
        "Adwaita dark") export QT_QPA_PLATFORMTHEME=gtk3 GTK_THEME=Adwaita:dark ;;
        "qt6ct "*)
            export QT_QPA_PLATFORMTHEME=qt6ct
            write_qt6ct_settings "$1"
            ;;
        "default") ;;
        *)
            local -n colours=$(scheme_colours "$1")
            local setting
            for setting in "${colours[@]}"; do
                wine reg add 'HKCU\Control Panel\Colors' /v "${setting%%=*}" /d "${setting#*=}" \
                    /f >/dev/null 2>&1
            done
            ;;
    esac
}

# Switches the theme of the Qt program while it runs (started under "qt6ct light").
switch_theme() {
    write_qt6ct_settings "$1"
}
