# The help text that Trelumo.exe carries, made from HTML by cmake/help_text.cmake: each case's
# document must come out as its text (| stands for a line end, ~ for a tab, @ for a semicolon).
#   cmake -DSCRIPT=cmake/help_text.cmake -DFOLDER=scratch -P help_text_test.cmake
set(cases
    "head left out=<head><title>Ayuda</title></head><body><p>Hola</p></body>=Hola"
    "blanks collapse, inline tags go=<p>Pulse\n  la tecla <b>TAB</b>.</p>=Pulse la tecla TAB."
    "heading then paragraph=<h2>Redondeo</h2><p>Al más próximo.</p>=Redondeo||Al más próximo."
    "numbered list=<ol><li>Escriba</li><li>Pulse</li></ol>=   1. Escriba|   2. Pulse"
    "bulleted list=<ul><li>Euros</li></ul><p>Fin</p>=   • Euros||Fin"
    "entities and brackets=<p>&lt@1&gt@@ &amp@lt@ [a]</p>=<1>@ &lt@ [a]"
    "table cells by tabs=<table><tr><td>F1</td><td>Ayuda</td></tr><tr><td>TAB</td></tr></table>=F1~Ayuda|TAB")
set(failures 0)
foreach(case IN LISTS cases)
    string(REGEX MATCH "^([^=]*)=(.*)=([^=]*)$" ignored "${case}")
    set(name "${CMAKE_MATCH_1}")
    # @ stands for a semicolon, which would split the list of cases.
    string(REPLACE "@" ";" html "${CMAKE_MATCH_2}")
    string(REPLACE "@" ";" expected "${CMAKE_MATCH_3}")
    file(WRITE "${FOLDER}/case.html" "${html}")
    execute_process(COMMAND "${CMAKE_COMMAND}" "-DHTML=${FOLDER}/case.html"
                            "-DTEXT=${FOLDER}/case.txt" -P "${SCRIPT}")
    # Compared byte for byte: file(READ) as text would drop the carriage returns.
    string(REPLACE "|" "\r\n" expected "${expected}")
    string(REPLACE "~" "\t" expected "${expected}")
    file(WRITE "${FOLDER}/expected.txt" "${expected}")
    file(READ "${FOLDER}/expected.txt" expected_bytes HEX)
    file(READ "${FOLDER}/case.txt" bytes HEX)
    if(NOT bytes STREQUAL expected_bytes)
        file(READ "${FOLDER}/case.txt" text)
        message(SEND_ERROR "${name}: \"${text}\", not \"${expected}\"")
        math(EXPR failures "${failures} + 1")
    endif()
endforeach()
list(LENGTH cases count)
message(STATUS "${count} cases, ${failures} failed")
