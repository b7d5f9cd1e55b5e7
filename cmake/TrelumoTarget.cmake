# Warnings every target of the project is built with.
add_library(trelumo_warnings INTERFACE)
target_compile_options(trelumo_warnings INTERFACE
    $<$<CXX_COMPILER_ID:GNU,Clang>:-Wall -Wextra -Wpedantic>)

# trelumo_add_test(NAME SOURCES... LIBRARIES...): one test program, registered with CTest.
# GoogleTest programs are registered test by test; QtTest programs as one test each.
function(trelumo_add_test name)
    cmake_parse_arguments(PARSE_ARGV 1 arg "QTTEST" "" "SOURCES;LIBRARIES")
    add_executable(${name} ${arg_SOURCES})
    target_link_libraries(${name} PRIVATE ${arg_LIBRARIES} trelumo_warnings)
    if(arg_QTTEST)
        add_test(NAME ${name} COMMAND ${name})
        set_tests_properties(${name} PROPERTIES
            ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8" TIMEOUT 120)
    else()
        target_link_libraries(${name} PRIVATE GTest::gtest GTest::gtest_main)
        gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST
            PROPERTIES ${TRELUMO_TEST_PROPERTIES})
    endif()
endfunction()
