# brewick_layer(NAME SOURCES ... [LINKS ...]): the static library of the
# calling folder, linked with the layers below it.
#
# Its users include its headers as "<folder>/Header.h". Each layer puts on
# the include path a folder that holds nothing but a link to its own source
# folder, so a file finds the headers of the layers it links and no others:
# an include that points up, or sideways, does not compile.
function(brewick_layer name)
  cmake_parse_arguments(PARSE_ARGV 1 layer "" "" "SOURCES;LINKS")
  file(RELATIVE_PATH folder ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
  set(root ${PROJECT_BINARY_DIR}/layers/${name})
  cmake_path(GET folder PARENT_PATH parent)
  file(MAKE_DIRECTORY ${root}/${parent})
  file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR} ${root}/${folder} SYMBOLIC)

  add_library(${name} STATIC ${layer_SOURCES})
  target_include_directories(${name} PUBLIC ${root})
  target_link_libraries(${name} PUBLIC ${layer_LINKS})
endfunction()
