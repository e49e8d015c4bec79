# Cross build for 64-bit Windows with Debian's MinGW-w64 (g++-mingw-w64-x86-64-posix:
# the posix thread model, so std::thread and std::mutex work).
#   cmake -S . -B build/win -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
#         -DDOPUSK_BUILD_GUI=OFF -DISO286_HOST_GENERATOR=<native iso286_generate_tables> \
#         -DISO965_HOST_GENERATOR=<native iso965_generate_tables> \
#         -DI18N_HOST_GENERATOR=<native i18n_generate_translations>
# The programs are linked statically (libgcc, libstdc++, winpthread), so that an .exe needs
# nothing but Windows itself. Tests run under Wine when it is installed (ctest uses it).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(DOPUSK_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${DOPUSK_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${DOPUSK_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${DOPUSK_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${DOPUSK_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

find_program(DOPUSK_WINE wine)
if(DOPUSK_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${DOPUSK_WINE})
endif()
