# Checks that every include of the program's sources goes down the layers, never up or sideways:
#   platform < storage < hooklib < engine < activation < scheduler, capture, editors < app,
# with ui/grid resting on platform alone and the tools and examples on top. Portable code (any
# folder that is not a win32/ folder) never includes a Win32 header or a win32/ header, and no
# program source reaches into the tests or the benchmarks.
#
#   cmake -DQNL_SOURCE_DIR=<repository> -P cmake/check_layers.cmake
#
# Prints one line per wrong include and fails when there is any.

cmake_minimum_required(VERSION 3.25)

if(NOT QNL_SOURCE_DIR)
  message(FATAL_ERROR "check_layers: pass -DQNL_SOURCE_DIR=<repository>")
endif()

set(_rank_platform 1)
set(_rank_storage 2)
set(_rank_hooklib 3)
set(_rank_engine 4)
set(_rank_activation 5)
set(_rank_scheduler 6)
set(_rank_capture 6)
set(_rank_editors 6)
set(_rank_ui 6)
set(_rank_app 7)
set(_rank_tools 8)
set(_rank_examples 8)

# The subsystem a repository path belongs to ("" when none: tests, bench, third-party).
function(qnl_subsystem path out)
  if(path MATCHES "^src/([a-z]+)/")
    set(${out} ${CMAKE_MATCH_1} PARENT_SCOPE)
  elseif(path MATCHES "^(tools|examples)/")
    set(${out} ${CMAKE_MATCH_1} PARENT_SCOPE)
  else()
    set(${out} "" PARENT_SCOPE)
  endif()
endfunction()

# Whether code of subsystem `from` may include a header of subsystem `to`.
function(qnl_may_include from to out)
  set(${out} FALSE PARENT_SCOPE)
  if(from STREQUAL to)
    set(${out} TRUE PARENT_SCOPE)
  elseif(from STREQUAL "ui")
    # The grid control is a plain control over the platform; it knows no macros.
    if(to STREQUAL "platform")
      set(${out} TRUE PARENT_SCOPE)
    endif()
  elseif(DEFINED _rank_${from} AND DEFINED _rank_${to})
    if(to STREQUAL "ui")
      if(_rank_${from} GREATER 6)
        set(${out} TRUE PARENT_SCOPE)
      endif()
    elseif(_rank_${to} LESS _rank_${from})
      set(${out} TRUE PARENT_SCOPE)
    endif()
  endif()
endfunction()

set(_win32_headers windows.h winuser.h windef.h winbase.h commctrl.h commdlg.h shellapi.h
                   mmsystem.h psapi.h tlhelp32.h htmlhelp.h winspool.h)

file(GLOB_RECURSE _files RELATIVE ${QNL_SOURCE_DIR}
     ${QNL_SOURCE_DIR}/src/*.h ${QNL_SOURCE_DIR}/src/*.cpp ${QNL_SOURCE_DIR}/src/*.rc
     ${QNL_SOURCE_DIR}/tools/*.h ${QNL_SOURCE_DIR}/tools/*.cpp
     ${QNL_SOURCE_DIR}/examples/*.h ${QNL_SOURCE_DIR}/examples/*.cpp)

set(_faults 0)
set(_checked 0)
foreach(_file IN LISTS _files)
  qnl_subsystem(${_file} _from)
  set(_portable TRUE)
  if(_file MATCHES "/win32/")
    set(_portable FALSE)
  endif()
  file(STRINGS ${QNL_SOURCE_DIR}/${_file} _lines REGEX "^[ \t]*#[ \t]*include")
  foreach(_line IN LISTS _lines)
    math(EXPR _checked "${_checked} + 1")
    if(_line MATCHES "#[ \t]*include[ \t]*<([^>]+)>")
      set(_header ${CMAKE_MATCH_1})
      string(TOLOWER ${_header} _lower)
      if(_portable AND _lower IN_LIST _win32_headers)
        message("${_file}: portable code includes <${_header}>; move it into a win32/ folder")
        math(EXPR _faults "${_faults} + 1")
      endif()
      continue()
    endif()
    if(NOT _line MATCHES "#[ \t]*include[ \t]*\"([^\"]+)\"")
      continue()
    endif()
    set(_header ${CMAKE_MATCH_1})
    if(_header MATCHES "^(src/)?([a-z]+)/")
      set(_to ${CMAKE_MATCH_2})
    else()
      # A bare name: only a header beside the including file may be named so.
      get_filename_component(_dir ${_file} DIRECTORY)
      if(NOT EXISTS ${QNL_SOURCE_DIR}/${_dir}/${_header})
        message("${_file}: \"${_header}\" is neither beside it nor under a subsystem folder")
        math(EXPR _faults "${_faults} + 1")
      endif()
      continue()
    endif()
    if(_portable AND _header MATCHES "/win32/")
      message("${_file}: portable code includes the Win32 header \"${_header}\"")
      math(EXPR _faults "${_faults} + 1")
    endif()
    if(EXISTS ${QNL_SOURCE_DIR}/tools/${_to})
      # The tools name their own headers from the tools folder ("qnl/list_show.h").
      set(_to tools)
      set(_known TRUE)
    elseif(EXISTS ${QNL_SOURCE_DIR}/src/${_to})
      set(_known TRUE)
    else()
      set(_known FALSE)
    endif()
    if(NOT _known)
      message("${_file}: \"${_header}\" is not a program header (tests and benchmarks stay out)")
      math(EXPR _faults "${_faults} + 1")
      continue()
    endif()
    qnl_may_include("${_from}" "${_to}" _ok)
    if(NOT _ok)
      message("${_file}: ${_from} may not include \"${_header}\" (${_to} is not below ${_from})")
      math(EXPR _faults "${_faults} + 1")
    endif()
  endforeach()
endforeach()

list(LENGTH _files _count)
if(_faults GREATER 0)
  message(FATAL_ERROR "check_layers: ${_faults} include(s) against the layers in ${_count} files")
endif()
message("check_layers: ${_checked} includes in ${_count} files go down the layers")
