# The Windows version record and program icon, from resources/windows/trelumo.rc.in.
# trelumo_add_windows_resource(TARGET [INCLUDE SCRIPT...] [DEPENDS FILE...]): compiles them into
# TARGET when building for Windows, in one resource script with the further scripts named, which
# use the files named (paths from the source root).
if(WIN32)
    enable_language(RC)
endif()

function(trelumo_add_windows_resource target)
    cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "INCLUDE;DEPENDS")
    if(NOT WIN32)
        return()
    endif()
    set(resource "${PROJECT_BINARY_DIR}/generated/trelumo.rc")
    configure_file("${PROJECT_SOURCE_DIR}/resources/windows/trelumo.rc.in" "${resource}")
    add_dependencies(${target} trelumo_icons)
    if(NOT arg_INCLUDE)
        target_sources(${target} PRIVATE "${resource}")
        set_source_files_properties("${resource}" PROPERTIES OBJECT_DEPENDS "${TRELUMO_WINDOWS_ICON}")
        return()
    endif()
    # One script for the whole program: windres numbers the icon images of each script it compiles
    # from 1, so the icons of two scripts compiled apart would take each other's places.
    set(combined "${PROJECT_BINARY_DIR}/generated/${target}_resources.rc")
    set(content "#include \"${resource}\"\n")
    set(included "${resource}" "${TRELUMO_WINDOWS_ICON}")
    foreach(script IN LISTS arg_INCLUDE)
        string(APPEND content "#include \"${script}\"\n")
    endforeach()
    foreach(file IN LISTS arg_INCLUDE arg_DEPENDS)
        list(APPEND included "${PROJECT_SOURCE_DIR}/${file}")
    endforeach()
    file(CONFIGURE OUTPUT "${combined}" CONTENT "${content}")
    target_sources(${target} PRIVATE "${combined}")
    target_include_directories(${target} PRIVATE "${PROJECT_SOURCE_DIR}")
    set_source_files_properties("${combined}" PROPERTIES OBJECT_DEPENDS "${included}")
endfunction()
