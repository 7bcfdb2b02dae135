# Checks that the calls with one owner in the program are made only by that owner:
#   MessageBoxA                    the prompts (platform/win32/prompts.cpp): every message and
#                                  question reaches the user the same way;
#   GetDC, ReleaseDC, SetTimer,    the owners in platform/win32/handles.h, so that no device
#   KillTimer, SelectObject        context, selected object or window timer is left behind on a
#                                  path that returns early or throws;
#   LoadLibraryA                   LoadSystemLibrary (platform/win32/file_ops.cpp), which loads
#                                  from the system folder by full path, never by a bare name.
#
#   cmake -DQNL_SOURCE_DIR=<repository> -P cmake/check_owners.cmake
#
# Prints one line per call made elsewhere and fails when there is any.

cmake_minimum_required(VERSION 3.25)

if(NOT QNL_SOURCE_DIR)
  message(FATAL_ERROR "check_owners: pass -DQNL_SOURCE_DIR=<repository>")
endif()

# call=the one file allowed to make it
set(_owners
    "MessageBoxA=src/platform/win32/prompts.cpp"
    "GetDC=src/platform/win32/handles.h"
    "ReleaseDC=src/platform/win32/handles.h"
    "SetTimer=src/platform/win32/handles.h"
    "KillTimer=src/platform/win32/handles.h"
    "SelectObject=src/platform/win32/handles.h"
    "LoadLibraryA=src/platform/win32/file_ops.cpp")

file(GLOB_RECURSE _files RELATIVE ${QNL_SOURCE_DIR}
     ${QNL_SOURCE_DIR}/src/*.h ${QNL_SOURCE_DIR}/src/*.cpp
     ${QNL_SOURCE_DIR}/tools/*.h ${QNL_SOURCE_DIR}/tools/*.cpp)

set(_faults 0)
foreach(_file IN LISTS _files)
  file(STRINGS ${QNL_SOURCE_DIR}/${_file} _lines)
  foreach(_pair IN LISTS _owners)
    string(REGEX MATCH "^[^=]+" _call "${_pair}")
    string(REGEX REPLACE "^[^=]+=" "" _owner "${_pair}")
    if(_file STREQUAL _owner)
      continue()
    endif()
    foreach(_line IN LISTS _lines)
      # A call, not a word in a comment: the name followed by "(".
      if(_line MATCHES "(^|[^A-Za-z0-9_])${_call}[ \t]*\\(" AND NOT _line MATCHES "^[ \t]*//")
        message("${_file}: ${_call} belongs to ${_owner}: ${_line}")
        math(EXPR _faults "${_faults} + 1")
      endif()
    endforeach()
  endforeach()
endforeach()

if(_faults GREATER 0)
  message(FATAL_ERROR "check_owners: ${_faults} call(s) outside their owner")
endif()
message(STATUS "check_owners: every call is made by its owner")
