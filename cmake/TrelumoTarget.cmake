# Warnings every target of the project is built with.
add_library(trelumo_warnings INTERFACE)
target_compile_options(trelumo_warnings INTERFACE
    $<$<CXX_COMPILER_ID:GNU,Clang>:-Wall -Wextra -Wpedantic>)

include(${CMAKE_CURRENT_LIST_DIR}/TrelumoSanitizers.cmake)
target_link_libraries(trelumo_warnings INTERFACE trelumo_sanitizers)

# trelumo_add_test(NAME SOURCES... LIBRARIES... [PROPERTIES...]): one test program, registered
# with CTest. GoogleTest programs are registered test by test, each with the test properties given;
# QtTest programs as one test each.
function(trelumo_add_test name)
    cmake_parse_arguments(PARSE_ARGV 1 arg "QTTEST" "" "SOURCES;LIBRARIES;PROPERTIES")
    add_executable(${name} ${arg_SOURCES})
    target_link_libraries(${name} PRIVATE ${arg_LIBRARIES} trelumo_warnings)
    if(arg_QTTEST)
        add_test(NAME ${name} COMMAND ${name})
        set(environment QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8
            ${TRELUMO_SANITIZER_ENVIRONMENT} ${TRELUMO_QT_SANITIZER_ENVIRONMENT})
        set_tests_properties(${name} PROPERTIES ENVIRONMENT "${environment}" TIMEOUT 120)
    else()
        target_link_libraries(${name} PRIVATE GTest::gtest GTest::gtest_main)
        set(properties ${arg_PROPERTIES})
        if(TRELUMO_SANITIZER_ENVIRONMENT)
            list(APPEND properties ENVIRONMENT ${TRELUMO_SANITIZER_ENVIRONMENT})
        endif()
        gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST NO_PRETTY_VALUES
            PROPERTIES ${properties})
    endif()
endfunction()
