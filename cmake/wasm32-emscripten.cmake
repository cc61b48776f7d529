# Builds for the web with Debian's emscripten and runs what it builds (tests,
# the scenario export) under node. tools/web.sh uses it.

# The core signals a failed step by throwing StepFailed: without exceptions
# em++ still builds, but the module aborts on the first unreadable text.
set(CMAKE_C_FLAGS_INIT "-fexceptions")
set(CMAKE_CXX_FLAGS_INIT "-fexceptions")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-fexceptions")

# Plain node: emcmake would add a flag for wasm threads that node 20 rejects.
find_program(TARUK_NODE NAMES node nodejs REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR ${TARUK_NODE})

# An optimised link runs emscripten's JavaScript optimiser, which needs
# acorn from Debian's node modules.
set(CMAKE_CXX_LINKER_LAUNCHER ${CMAKE_COMMAND} -E env NODE_PATH=/usr/share/nodejs)

include(/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake)
