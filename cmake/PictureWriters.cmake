# The tests' picture writers (tests/native/picdec/writers), for the tests,
# the benchmarks and the fuzzers' seed corpus:
#   lumo_add_picture_writers(TARGET)
# HEIF and AVIF files are written with libheif's and libavif's encoders,
# which only a native build has: a Windows build leaves their writer out.
function(lumo_add_picture_writers target)
  get_filename_component(repo ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/.. ABSOLUTE)
  file(GLOB writers CONFIGURE_DEPENDS ${repo}/tests/native/picdec/writers/*.cpp)
  if(WIN32)
    list(FILTER writers EXCLUDE REGEX "HeifWriter")
  else()
    find_library(AVIF_LIBRARY NAMES avif REQUIRED)
    target_link_libraries(${target} PRIVATE "${AVIF_LIBRARY}")
    target_compile_definitions(${target} PRIVATE LUMO_HEIF_WRITER=1)
  endif()
  target_sources(${target} PRIVATE ${writers})
endfunction()
