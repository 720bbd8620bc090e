# Each folder is a library that sees only its own headers and those of the
# layers it links. A folder publishes its headers through a directory of its
# own that holds just that folder, so "folder/Header.h" keeps working and a
# header of a layer above does not resolve: an upward include fails to build.
get_filename_component(LUMO_SOURCE_ROOT ${CMAKE_CURRENT_LIST_DIR}/.. ABSOLUTE)

function(lumo_publish_headers target folder)
  set(stage ${CMAKE_BINARY_DIR}/layers/${folder})
  if(NOT EXISTS ${stage}/${folder})
    file(MAKE_DIRECTORY ${stage})
    file(CREATE_LINK ${LUMO_SOURCE_ROOT}/${folder} ${stage}/${folder} SYMBOLIC)
  endif()
  target_include_directories(${target} PUBLIC ${stage})
endfunction()
