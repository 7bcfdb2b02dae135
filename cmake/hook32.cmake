# The 32-bit half of a 64-bit Windows build: QNLHOOK.DLL and its host QNLHOOK32.EXE built for
# i686 (hooklib/hook_host.h), copied into HOOK32\ beside QUINDL.EXE, and a 32-bit TESTPAD for
# the end-to-end scenarios, as tests/e2e/TESTPAD32.EXE. They come from a build of this source
# tree of their own with the 32-bit toolchain (the one the win32 preset uses), of just those
# targets, so one `cmake --build --preset win64` gives the whole program.
option(QNL_BUILD_HOOK32 "Build the 32-bit hooks and their host beside a 64-bit QUINDL.EXE" ON)
if(NOT QNL_BUILD_HOOK32)
  message(STATUS "QNL_BUILD_HOOK32 is off: 32-bit programs get no hooks")
  return()
endif()
find_program(QNL_I686_CXX i686-w64-mingw32-g++-posix)
if(NOT QNL_I686_CXX)
  message(FATAL_ERROR "i686-w64-mingw32-g++-posix was not found, and a 64-bit QUINDL.EXE needs "
                      "its 32-bit hooks: install it (Debian: scripts/setup installs mingw-w64), "
                      "or configure with -DQNL_BUILD_HOOK32=OFF to build without them.")
endif()

include(ExternalProject)
set(_hook32_dir ${CMAKE_BINARY_DIR}/hook32)
set(_hook32_out ${CMAKE_BINARY_DIR}/src/app/win32/HOOK32)
ExternalProject_Add(qnl_hook32
  SOURCE_DIR ${PROJECT_SOURCE_DIR}
  BINARY_DIR ${_hook32_dir}
  CMAKE_ARGS -DCMAKE_TOOLCHAIN_FILE=${PROJECT_SOURCE_DIR}/cmake/mingw-w64-i686.cmake
             -DCMAKE_BUILD_TYPE=Release -DQNL_BUILD_TESTS=OFF -DQNL_BUILD_TOOLS=OFF
             -DQNL_BUILD_HELP=OFF
  # One job: it runs beside the outer build's own.
  BUILD_COMMAND ${CMAKE_COMMAND} --build ${_hook32_dir} -j 1 --target qnlhook qnlhook32 testpad
  # The outer build cannot see the sources' changes: the inner one decides what is out of date.
  BUILD_ALWAYS ON
  INSTALL_COMMAND ${CMAKE_COMMAND} -E make_directory ${_hook32_out}
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${_hook32_dir}/src/hooklib/win32/QNLHOOK.DLL
          ${_hook32_dir}/src/hooklib/win32/QNLHOOK32.EXE ${_hook32_out}
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${_hook32_dir}/tests/e2e/TESTPAD.EXE
          ${CMAKE_BINARY_DIR}/tests/e2e/TESTPAD32.EXE
  BUILD_BYPRODUCTS ${_hook32_out}/QNLHOOK.DLL ${_hook32_out}/QNLHOOK32.EXE
                   ${CMAKE_BINARY_DIR}/tests/e2e/TESTPAD32.EXE)
