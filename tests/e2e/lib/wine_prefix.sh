#!/usr/bin/env bash
# Makes the Wine prefix WINEPREFIX afresh, or removes it, with no display: Wine sets it up
# without showing anything. The two system colours that Trelumo's windows show besides white get
# Windows' own defaults, which a fresh prefix leaves white: the tooltip background (a field with
# the focus) and the scroll-bar colour (the main window's background).
#   wine_prefix.sh make|remove
set -euo pipefail
: "${WINEPREFIX:?WINEPREFIX names the Wine prefix}"
unset DISPLAY WAYLAND_DISPLAY

wineserver -k 2>/dev/null || true
timeout 30 wineserver -w 2>/dev/null || true
rm -rf "$WINEPREFIX"
if [ "${1:-}" = make ]; then
    mkdir -p "$WINEPREFIX"
    wine wineboot --init >/dev/null 2>&1
    wine reg add 'HKCU\Control Panel\Colors' /v InfoWindow /d '255 255 225' /f >/dev/null 2>&1
    wine reg add 'HKCU\Control Panel\Colors' /v Scrollbar /d '200 200 200' /f >/dev/null 2>&1
    # Liberation Serif, which has Times New Roman's metrics, stands in for it, as it does for Qt.
    wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'Times New Roman' \
        /d 'Liberation Serif' /f >/dev/null 2>&1
    # No window manager sends Wine its request to take the focus: the X server's focus moving
    # to a window of Wine's makes that window active instead.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v UseTakeFocus /d N /f >/dev/null 2>&1
    timeout 120 wineserver -w
    test -f "$WINEPREFIX/system.reg"
fi
