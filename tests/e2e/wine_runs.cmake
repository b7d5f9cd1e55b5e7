# The end-to-end scenarios against Trelumo.exe under Wine, which draws its windows on each test's
# private X server. The screenshots are read by the screen probe of a native build
# (TRELUMO_SCREEN_PROBE, set by scripts/windows-tests); windows_probe asks Windows itself what
# only it knows: texts as its GDI draws them, where a window's client area starts, which window
# is active, what a screen reader hears. The tests share one Wine prefix, made afresh for them and removed afterwards, one
# test at a time: Wine's desktop and clipboard stay on the display they started on, so each test
# ends Wine before the next one starts it.
set(TRELUMO_SCREEN_PROBE "" CACHE FILEPATH
    "screen_probe of a native build, for the end-to-end tests of Trelumo.exe under Wine")

add_executable(windows_probe windows_probe/main.cpp)
target_link_options(windows_probe PRIVATE -municode)
target_link_libraries(windows_probe
    PRIVATE gdi32 user32 oleacc ole32 oleaut32 trelumo_warnings_and_sanitizers)

if(NOT TRELUMO_SCREEN_PROBE)
    message(STATUS "No TRELUMO_SCREEN_PROBE: the end-to-end tests of Trelumo.exe are left out")
    unset(TRELUMO_WINE_ENVIRONMENT CACHE)
    return()
endif()

set(wine_prefix "${CMAKE_CURRENT_BINARY_DIR}/wine-prefix")
# Wine's menu builder would write desktop entries into the home folder; Mono and Gecko are not
# needed and would be offered for download.
set(TRELUMO_WINE_ENVIRONMENT
    "WINEPREFIX=${wine_prefix}" WINEDEBUG=-all
    "WINEDLLOVERRIDES=winemenubuilder.exe,mscoree,mshtml=d"
    CACHE INTERNAL "The environment of the tests that run Windows programs on an X server")

add_test(NAME wine_prefix_made
    COMMAND bash "${CMAKE_CURRENT_SOURCE_DIR}/lib/wine_prefix.sh" make)
add_test(NAME wine_prefix_removed
    COMMAND bash "${CMAKE_CURRENT_SOURCE_DIR}/lib/wine_prefix.sh" remove)
set_tests_properties(wine_prefix_made PROPERTIES FIXTURES_SETUP wine_desktop)
set_tests_properties(wine_prefix_removed PROPERTIES FIXTURES_CLEANUP wine_desktop)
set_tests_properties(wine_prefix_made wine_prefix_removed PROPERTIES
    LABELS e2e TIMEOUT 180 RESOURCE_LOCK wine_desktop
    ENVIRONMENT "${TRELUMO_WINE_ENVIRONMENT}")

# The scenarios, and one of Windows' own: what a screen reader hears through Windows'
# accessibility layer, as windows_probe hears it.
foreach(scenario ${e2e_scenarios} windows_screen_reader)
    add_test(NAME e2e_wine_${scenario}
        COMMAND bash "${CMAKE_CURRENT_SOURCE_DIR}/${scenario}.sh")
    set_tests_properties(e2e_wine_${scenario} PROPERTIES
        LABELS e2e
        TIMEOUT 180
        FIXTURES_REQUIRED wine_desktop
        RESOURCE_LOCK wine_desktop
        ENVIRONMENT "${TRELUMO_WINE_ENVIRONMENT};TRELUMO_EXE=$<TARGET_FILE:trelumo_exe>;WINDOWS_PROBE=$<TARGET_FILE:windows_probe>;SCREEN_PROBE=${TRELUMO_SCREEN_PROBE};E2E_OUTPUT=${e2e_output};TRELUMO_ICONS=${PROJECT_SOURCE_DIR}/resources/icons")
endforeach()
set_tests_properties(e2e_wine_large_text PROPERTIES TIMEOUT 900)
