# The same sources for 64-bit Windows: tested under a 64-bit Wine where this
# machine cannot run 32-bit programs (tools/windows.sh). Not shipped.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
