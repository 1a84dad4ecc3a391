# Each library of the program is one layer, and a layer sees only the headers of the libraries it
# links. Every library gets a folder of its own in the build tree holding links to its headers
# under their real paths (<build>/include/velmora_cardsets/cardsets/CardSet.h), and that folder is
# its only include folder; no target has the source root on its include path. So
# #include "cardsets/CardSet.h" compiles exactly in the targets that link velmora_cardsets, and a
# header reached from a layer that may not use it fails the build.
#
# velmora_layer(target [HEADERS header...])
#   The headers are paths relative to the current source folder; by default its *.h files.
function(velmora_layer target)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "HEADERS")
  if(NOT arg_HEADERS)
    file(GLOB arg_HEADERS CONFIGURE_DEPENDS RELATIVE ${CMAKE_CURRENT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  endif()
  file(RELATIVE_PATH folder ${CMAKE_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
  set(root ${CMAKE_BINARY_DIR}/include/${target})
  # Made afresh at every configure, so a header moved elsewhere leaves no stale link behind.
  file(REMOVE_RECURSE ${root})
  foreach(header ${arg_HEADERS})
    set(link ${root}/${folder}/${header})
    get_filename_component(link_folder ${link} DIRECTORY)
    file(MAKE_DIRECTORY ${link_folder})
    file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR}/${header} ${link} SYMBOLIC)
  endforeach()
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "INTERFACE_LIBRARY")
    target_include_directories(${target} INTERFACE ${root})
  else()
    target_include_directories(${target} PUBLIC ${root})
    velmora_warnings(${target})
  endif()
endfunction()

# The libraries with windows need Qt's meta-object compiler; the core ones never see Qt.
function(velmora_qt_layer target)
  velmora_layer(${ARGV})
  set_target_properties(${target} PROPERTIES AUTOMOC ON)
endfunction()
