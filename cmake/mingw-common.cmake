# The win32-thread flavour: it links no posix thread runtime, whose imports
# need Windows XP or Vista.
set(CMAKE_C_COMPILER ${ZENTIK_TRIPLET}-gcc-win32)
set(CMAKE_CXX_COMPILER ${ZENTIK_TRIPLET}-g++-win32)
set(CMAKE_RC_COMPILER ${ZENTIK_TRIPLET}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${ZENTIK_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# Tests run under Wine, each in the prefix the wrapper picks for the locale.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run.sh)

# Static, so the exe needs only system DLLs (Wine finds no libstdc++-6.dll).
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# Small code that needs nothing newer than Windows 98 / NT 4.0 at run time:
# no exceptions or RTTI (nothing throws or casts dynamically, and the
# unwinder alone is half the exe), no thread-safe static guards (they pull
# the runtime's semaphores), and each function in a section of its own so
# the linker drops what nothing calls. GoogleTest adapts, and builds itself
# with exceptions; the product alone also drops its unwind tables
# (CMakeLists.txt), which GoogleTest's exceptions would need.
set(CMAKE_CXX_FLAGS_INIT "-fno-exceptions -fno-rtti -fno-threadsafe-statics -ffunction-sections -fdata-sections")
set(CMAKE_C_FLAGS_INIT "-ffunction-sections -fdata-sections")
set(CMAKE_CXX_FLAGS_RELEASE "-Os -DNDEBUG" CACHE STRING "")
set(CMAKE_C_FLAGS_RELEASE "-Os -DNDEBUG" CACHE STRING "")
string(APPEND CMAKE_EXE_LINKER_FLAGS_INIT " -Wl,--gc-sections")
set(ZENTIK_PRODUCT_OPTIONS -fno-asynchronous-unwind-tables -fno-unwind-tables)
