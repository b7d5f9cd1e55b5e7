# Cross build for the web with Debian's Emscripten: the core and the page's own code in
# WebAssembly, test programs run by Node.js.
include(/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake)

# em++ runs its JavaScript tools with Node.js, which finds the parsers they need among Debian's
# node modules (node-acorn); a Node.js that is not Debian's own looks there only when told.
find_path(TRELUMO_NODE_MODULES acorn/package.json
    PATHS /usr/share/nodejs /usr/lib/nodejs NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH REQUIRED)
set(CMAKE_CXX_COMPILER_LAUNCHER ${CMAKE_COMMAND} -E env NODE_PATH=${TRELUMO_NODE_MODULES})
set(CMAKE_CXX_LINKER_LAUNCHER ${CMAKE_COMMAND} -E env NODE_PATH=${TRELUMO_NODE_MODULES})

# Exceptions report a run-time error from the handler in which it arises. Each program is one file,
# its WebAssembly inside: a page opened from disk may not fetch a file beside it, and a Node.js
# with fetch would try to.
set(CMAKE_CXX_FLAGS_INIT -fexceptions)
set(CMAKE_EXE_LINKER_FLAGS_INIT "-fexceptions -sSINGLE_FILE=1")
