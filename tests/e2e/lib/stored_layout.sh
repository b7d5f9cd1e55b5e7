# shellcheck shell=bash
# The places of the windows' controls in their stored layouts, as layout_table (beside the screen
# probe) prints them from the windows' own tables: left, top, width and height in twips from the
# client area's top-left corner, 15 twips to the pixel; main_client and about_client, each
# window's client area.
layout_table="$(dirname "${SCREEN_PROBE:?SCREEN_PROBE names the screen_probe program}")/layout_table"
layouts=$("$layout_table") || { echo "no stored layouts from $layout_table" >&2; exit 1; }
eval "$layouts"
unset layouts
# The result within its 2-pixel sunken border; the place of both arrows.
result_inside=($((result[0] + 30)) $((result[1] + 30)) $((result[2] - 60)) $((result[3] - 60)))
both_arrows=("${fizq[0]}" "${fizq[1]}" $((fdcha[0] + fdcha[2] - fizq[0])) "${fizq[3]}")

# The colours the fields are drawn in: the tooltip yellow of a field with the focus (Qt's, or
# Windows' system colour COLOR_INFOBK, as the tests' Wine prefix sets it).
if [ "$program_platform" = wine ]; then
    highlight='#ffffe1'
else
    highlight='#ffffdc'
fi
