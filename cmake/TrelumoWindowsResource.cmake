# The Windows version record and program icon, from resources/windows/trelumo.rc.in.
# trelumo_add_windows_resource(TARGET): compiles them into TARGET when building for Windows.
if(WIN32)
    enable_language(RC)
endif()

function(trelumo_add_windows_resource target)
    if(NOT WIN32)
        return()
    endif()
    # The version as its texts show it: major and two-digit minor, 1.00.
    if(PROJECT_VERSION_MINOR LESS 10)
        set(TRELUMO_VERSION_TEXT "${PROJECT_VERSION_MAJOR}.0${PROJECT_VERSION_MINOR}")
    else()
        set(TRELUMO_VERSION_TEXT "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}")
    endif()
    set(resource "${PROJECT_BINARY_DIR}/generated/trelumo.rc")
    configure_file("${PROJECT_SOURCE_DIR}/resources/windows/trelumo.rc.in" "${resource}")
    target_sources(${target} PRIVATE "${resource}")
endfunction()
