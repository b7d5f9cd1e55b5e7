# The program icon, made in the build from its one drawing, resources/icons/trelumo.svg:
#   TRELUMO_HICOLOR_ICONS  PNGs for the hicolor theme, icons/hicolor/<N>x<N>/trelumo.png
#   TRELUMO_WINDOWS_ICON   in a Windows build, icons/trelumo.ico for Trelumo.exe and its
#                          installer: 16 to 64 px images, 32-bit with alpha, and a 256 px PNG image
#   TRELUMO_WEB_ICONS      in a web build, the page's icons for its manifest, 192 and 512 px
# Target trelumo_icons makes them all. Needs rsvg-convert (librsvg2-bin), and for Windows icotool
# (icoutils).
find_program(TRELUMO_RSVG_CONVERT rsvg-convert REQUIRED)

set(TRELUMO_ICON_DRAWING "${PROJECT_SOURCE_DIR}/resources/icons/trelumo.svg")
set(hicolor_sizes 16 24 32 48 64 128 256)
set(windows_sizes 16 20 24 32 40 48 64)
set(icons "${PROJECT_BINARY_DIR}/icons")

set(TRELUMO_HICOLOR_ICONS)
set(windows_images)
set(TRELUMO_WEB_ICONS)
set(web_sizes 192 512)
set(sizes 16 20 24 32 40 48 64 128 256)
if(EMSCRIPTEN)
    set(sizes ${web_sizes})
endif()
foreach(size ${sizes})
    set(png "${icons}/hicolor/${size}x${size}/trelumo.png")
    add_custom_command(OUTPUT "${png}"
        COMMAND "${TRELUMO_RSVG_CONVERT}" --width ${size} --height ${size}
                --output "${png}" "${TRELUMO_ICON_DRAWING}"
        DEPENDS "${TRELUMO_ICON_DRAWING}"
        VERBATIM)
    if(size IN_LIST hicolor_sizes)
        list(APPEND TRELUMO_HICOLOR_ICONS "${png}")
    endif()
    if(size IN_LIST windows_sizes)
        list(APPEND windows_images "${png}")
    endif()
    if(size IN_LIST web_sizes)
        list(APPEND TRELUMO_WEB_ICONS "${png}")
    endif()
    file(MAKE_DIRECTORY "${icons}/hicolor/${size}x${size}")
endforeach()

if(EMSCRIPTEN)
    add_custom_target(trelumo_icons ALL DEPENDS ${TRELUMO_WEB_ICONS})
    return()
elseif(NOT WIN32)
    add_custom_target(trelumo_icons ALL DEPENDS ${TRELUMO_HICOLOR_ICONS})
    return()
endif()
find_program(TRELUMO_ICOTOOL icotool REQUIRED)
set(TRELUMO_WINDOWS_ICON "${icons}/trelumo.ico")
set(large "${icons}/hicolor/256x256/trelumo.png")
add_custom_command(OUTPUT "${TRELUMO_WINDOWS_ICON}"
    COMMAND "${TRELUMO_ICOTOOL}" --create --output "${TRELUMO_WINDOWS_ICON}"
            ${windows_images} --raw=${large}
    DEPENDS ${windows_images} "${large}"
    VERBATIM)
add_custom_target(trelumo_icons ALL DEPENDS ${TRELUMO_HICOLOR_ICONS} "${TRELUMO_WINDOWS_ICON}")
