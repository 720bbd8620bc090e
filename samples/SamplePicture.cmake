# build/<arch>/samples/sample.jpg, drawn by samples/make_sample_picture. A
# cross build builds the generator for the build machine as a project of
# its own, so no Windows program has to run during the build.
set(sample_picture ${CMAKE_BINARY_DIR}/samples/sample.jpg)
if(CMAKE_CROSSCOMPILING)
  include(ExternalProject)
  set(sample_generator ${CMAKE_BINARY_DIR}/samples/host/make_sample_picture)
  ExternalProject_Add(sample_generator_host
    SOURCE_DIR ${CMAKE_SOURCE_DIR}/samples
    BINARY_DIR ${CMAKE_BINARY_DIR}/samples/host
    CMAKE_ARGS -DCMAKE_BUILD_TYPE=Release
    INSTALL_COMMAND ""
    BUILD_ALWAYS ON
    BUILD_BYPRODUCTS ${sample_generator})
  set(sample_generator_target sample_generator_host)
else()
  add_subdirectory(${CMAKE_SOURCE_DIR}/samples ${CMAKE_BINARY_DIR}/samples/generator)
  set(sample_generator $<TARGET_FILE:make_sample_picture>)
  set(sample_generator_target make_sample_picture)
endif()
add_custom_command(OUTPUT ${sample_picture}
  COMMAND ${sample_generator} ${sample_picture}
  DEPENDS ${sample_generator_target} ${sample_generator}
  COMMENT "Drawing the sample picture ${sample_picture}")
add_custom_target(lumo_sample_picture ALL DEPENDS ${sample_picture})
