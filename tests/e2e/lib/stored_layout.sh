# shellcheck shell=bash
# The places of the windows' controls in their stored layouts: left, top, width and height in
# twips from the client area's top-left corner, 15 twips to the pixel.

# Main window, client area 5775 x 1815.
main_client=(5775 1815)
Label1=(240 360 855 255)
Label2=(3360 360 855 255)
text_euro=(240 600 1575 285)
text_pts=(3360 600 1575 285)
Label3=(1920 600 735 255)
Label4=(5040 600 495 255)
result=(120 1320 5535 255)
result_inside=(150 1350 5475 195)  # within its 2-pixel sunken border
fizq=(2640 480 480 480)
fdcha=(2760 480 480 480)
both_arrows=(2640 480 600 480)

# About window, client area 3495 x 2520.
about_client=(3495 2520)
cmdOK=(1080 2040 1335 375)
picIcon=(480 240 540 540)
lblDescription=(480 1125 1845 210)
lblDisclaimer=(480 1440 735 345)
lblTitle=(1320 240 1605 240)
lblVersion=(1320 540 1245 225)
Line1=(120 1920 3240 0)

# The colours the fields are drawn in: the tooltip yellow of a field with the focus (Qt's, or
# Windows' system colour COLOR_INFOBK, as the tests' Wine prefix sets it).
if [ "$program_platform" = wine ]; then
    highlight='#ffffe1'
else
    highlight='#ffffdc'
fi
