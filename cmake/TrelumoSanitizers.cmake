# Hardening builds, each best in a build folder of its own:
#   -DTRELUMO_SANITIZE=ON  every target with AddressSanitizer and UndefinedBehaviorSanitizer
#   -DTRELUMO_FUZZ=ON      also the libFuzzer targets of tests/fuzz; needs clang, sanitizes too
option(TRELUMO_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(TRELUMO_FUZZ "Build the libFuzzer targets, sanitized (clang only)" OFF)

# Linked by trelumo_warnings_and_sanitizers, so by every target of the project.
add_library(trelumo_sanitizers INTERFACE)

# What the tests are run with: one variable each, for GoogleTest and for the window tests.
set(TRELUMO_SANITIZER_ENVIRONMENT)
set(TRELUMO_QT_SANITIZER_ENVIRONMENT)

if(TRELUMO_FUZZ AND NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "TRELUMO_FUZZ needs clang: configure with -DCMAKE_CXX_COMPILER=clang++")
endif()
if(TRELUMO_SANITIZE OR TRELUMO_FUZZ)
    target_compile_options(trelumo_sanitizers INTERFACE
        -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    target_link_options(trelumo_sanitizers INTERFACE -fsanitize=address,undefined)
    set(TRELUMO_SANITIZER_ENVIRONMENT "UBSAN_OPTIONS=print_stacktrace=1")
    # Some libraries under Qt keep allocations for the life of the process: the window tests
    # suppress leak reports from those (tests/sanitizers/qt_leaks.supp) and from nothing else.
    set(TRELUMO_QT_SANITIZER_ENVIRONMENT
        "LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tests/sanitizers/qt_leaks.supp:print_suppressions=0")
endif()
if(TRELUMO_FUZZ)
    # Coverage for the fuzzer in every library; only the fuzz targets link libFuzzer's main.
    target_compile_options(trelumo_sanitizers INTERFACE -fsanitize=fuzzer-no-link)
endif()
