# Cross build for the shipped 32-bit Zentik.exe.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(ZENTIK_TRIPLET i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
# The exe runs on an i486: the compiler's i686 default would use conditional
# moves, which a Pentium lacks too.
list(APPEND ZENTIK_PRODUCT_OPTIONS -march=i486 -mtune=generic)
