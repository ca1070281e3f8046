# 64-bit Windows: the build that runs under Wine with the test host.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(MINGW_TRIPLET x86_64-w64-mingw32)
include("${CMAKE_CURRENT_LIST_DIR}/MinGWToolchain.cmake")
