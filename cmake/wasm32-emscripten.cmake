# Builds for the web with Debian's emscripten and runs what it builds (tests,
# the scenario export) under node. tools/web.sh uses it; the compile and link
# options are the top-level CMakeLists.txt's.

# Plain node: emcmake would add a flag for wasm threads that node 20 rejects.
find_program(TARUK_NODE NAMES node nodejs REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR ${TARUK_NODE})

# An optimised link runs emscripten's JavaScript optimiser, which needs
# acorn from Debian's node modules.
set(CMAKE_CXX_LINKER_LAUNCHER ${CMAKE_COMMAND} -E env NODE_PATH=/usr/share/nodejs)

include(/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake)
