# SPDX-License-Identifier: Apache-2.0
# A folder of the core as a library of its own, linking only the folders below it. Each library
# has an include root of its own that holds just its folder, and a library sees only the roots
# of what it links: a header included across the floors is not found, so the build fails there.
function(mrl770_core_library target)
  cmake_parse_arguments(arg "" "" "SOURCES;LINKS" ${ARGN})
  get_filename_component(folder ${CMAKE_CURRENT_SOURCE_DIR} NAME)
  set(root ${PROJECT_BINARY_DIR}/floors/${folder})
  file(MAKE_DIRECTORY ${root})
  file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR} ${root}/${folder} SYMBOLIC)
  add_library(${target} STATIC ${arg_SOURCES})
  target_include_directories(${target} PUBLIC $<BUILD_INTERFACE:${root}>)
  target_link_libraries(${target} PUBLIC ${arg_LINKS})
endfunction()
