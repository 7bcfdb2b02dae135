# Writes what each library and program of the build is made of, as CMake itself sees it, for the
# layering check (cmake/check_layers.py): its kind, its folder, its sources, its include folders
# (with those its links bring) and the project libraries it links directly. Included at the end of
# the top-level CMakeLists.txt, when every target exists.
#
# A library's headers are those of the folders named in its QNL_HEADER_DIRS property (set by
# qnl_folder_library), or the files of its QNL_HEADERS property for a header-only part of a folder.

function(qnl_targets_below dir out)
  get_property(_targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
  get_property(_subdirs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
  foreach(_sub IN LISTS _subdirs)
    qnl_targets_below(${_sub} _more)
    list(APPEND _targets ${_more})
  endforeach()
  set(${out} ${_targets} PARENT_SCOPE)
endfunction()

function(qnl_write_layering_targets file)
  qnl_targets_below(${PROJECT_SOURCE_DIR} _all)
  set(_content "")
  foreach(_target IN LISTS _all)
    get_target_property(_dir ${_target} SOURCE_DIR)
    get_target_property(_type ${_target} TYPE)
    file(RELATIVE_PATH _rel ${PROJECT_SOURCE_DIR} ${_dir})
    # Only the program's own code; tests, benchmarks and third-party code are not layered.
    if(NOT (_rel STREQUAL "" OR _rel MATCHES "^(src|tools|examples)(/|$)"))
      continue()
    endif()
    if(_type STREQUAL "UTILITY" OR _target MATCHES "^(qnl_warnings|qnl_cli11)$")
      continue()
    endif()
    if(_type STREQUAL "INTERFACE_LIBRARY")
      set(_links "$<TARGET_PROPERTY:${_target},INTERFACE_LINK_LIBRARIES>")
      set(_includes "$<TARGET_PROPERTY:${_target},INTERFACE_INCLUDE_DIRECTORIES>")
      set(_sources "")
    else()
      set(_links "$<TARGET_PROPERTY:${_target},LINK_LIBRARIES>")
      set(_includes "$<TARGET_PROPERTY:${_target},INCLUDE_DIRECTORIES>")
      get_target_property(_sources ${_target} SOURCES)
      if(NOT _sources)
        set(_sources "")
      endif()
    endif()
    get_target_property(_header_dirs ${_target} QNL_HEADER_DIRS)
    get_target_property(_headers ${_target} QNL_HEADERS)
    foreach(_var _header_dirs _headers)
      if(NOT ${_var})
        set(${_var} "")
      endif()
    endforeach()
    string(APPEND _content "target ${_target}\ntype ${_type}\ndir ${_dir}\n"
           "sources $<JOIN:${_sources},|>\nheader_dirs $<JOIN:${_header_dirs},|>\n"
           "headers $<JOIN:${_headers},|>\nincludes $<JOIN:${_includes},|>\n"
           "links $<JOIN:${_links},|>\n\n")
  endforeach()
  file(GENERATE OUTPUT ${file} CONTENT "${_content}")
endfunction()
