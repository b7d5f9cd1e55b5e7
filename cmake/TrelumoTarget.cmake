# What every target of the project is built with: the warnings, and the sanitizers when a
# hardening build asks for them (TrelumoSanitizers.cmake).
add_library(trelumo_warnings_and_sanitizers INTERFACE)
target_compile_options(trelumo_warnings_and_sanitizers INTERFACE
    $<$<CXX_COMPILER_ID:GNU,Clang>:-Wall -Wextra -Wpedantic>)

include(${CMAKE_CURRENT_LIST_DIR}/TrelumoSanitizers.cmake)
target_link_libraries(trelumo_warnings_and_sanitizers INTERFACE trelumo_sanitizers)

# On Linux, what Debian builds its packages with: fortified C library calls (in the optimized
# builds, which they need), stack protection, and relocations read-only once resolved, all at
# start-up. Not with the sanitizers, which replace those calls themselves.
if(UNIX AND NOT CMAKE_CROSSCOMPILING AND NOT TRELUMO_SANITIZE AND NOT TRELUMO_FUZZ)
    target_compile_options(trelumo_warnings_and_sanitizers INTERFACE
        -fstack-protector-strong -fstack-clash-protection -fcf-protection -Wformat
        -Werror=format-security)
    target_compile_definitions(trelumo_warnings_and_sanitizers INTERFACE
        $<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:_FORTIFY_SOURCE=2>)
    target_link_options(trelumo_warnings_and_sanitizers INTERFACE -Wl,-z,relro -Wl,-z,now)
endif()

# The help document, and trelumo_copy_help_document(TARGET): a copy of it in help/ beside the
# target's program in the build tree, where the program looks for it first.
set(TRELUMO_HELP_DOCUMENT "${PROJECT_SOURCE_DIR}/resources/help/trelumo.html")
function(trelumo_copy_help_document target)
    add_custom_command(TARGET ${target} POST_BUILD
        COMMAND ${CMAKE_COMMAND} -E copy_if_different "${TRELUMO_HELP_DOCUMENT}"
                "$<TARGET_FILE_DIR:${target}>/help/trelumo.html")
endfunction()

# trelumo_add_test(NAME [QTTEST] SOURCES... LIBRARIES... [PROPERTIES...] [CASES...]): one test
# program, registered with CTest. GoogleTest programs are registered test by test, each with the
# test properties given; QtTest programs as one test each, or, given CASES, one test for each of
# those cases, each in a process of its own.
function(trelumo_add_test name)
    cmake_parse_arguments(PARSE_ARGV 1 arg "QTTEST" "" "SOURCES;LIBRARIES;PROPERTIES;CASES")
    add_executable(${name} ${arg_SOURCES})
    target_link_libraries(${name} PRIVATE ${arg_LIBRARIES} trelumo_warnings_and_sanitizers)
    if(arg_QTTEST)
        set(environment QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8
            ${TRELUMO_SANITIZER_ENVIRONMENT} ${TRELUMO_QT_SANITIZER_ENVIRONMENT})
        set(tests)
        if(arg_CASES)
            foreach(case ${arg_CASES})
                add_test(NAME ${name}.${case} COMMAND ${name} ${case})
                list(APPEND tests ${name}.${case})
            endforeach()
        else()
            add_test(NAME ${name} COMMAND ${name})
            set(tests ${name})
        endif()
        set_tests_properties(${tests} PROPERTIES ENVIRONMENT "${environment}" TIMEOUT 120)
    else()
        target_link_libraries(${name} PRIVATE GTest::gtest GTest::gtest_main)
        set(properties ${arg_PROPERTIES})
        if(TRELUMO_SANITIZER_ENVIRONMENT)
            list(APPEND properties ENVIRONMENT ${TRELUMO_SANITIZER_ENVIRONMENT})
        endif()
        if(EMSCRIPTEN)
            # Each start of Node.js costs more than the program's tests: one test a program.
            add_test(NAME ${name} COMMAND ${name})
            if(properties)
                set_tests_properties(${name} PROPERTIES ${properties})
            endif()
        else()
            gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST NO_PRETTY_VALUES
                PROPERTIES ${properties})
        endif()
    endif()
endfunction()
