# The tests' picture writers (tests/native/picdec/writers), for the tests,
# the benchmarks and the fuzzers' seed corpus:
#   lumo_add_picture_writers(TARGET)
# HEIF, AVIF and JPEG XL files are written with libheif's, libavif's and
# libjxl's encoders, which only a native build has: a Windows build leaves
# their writers out.
function(lumo_add_picture_writers target)
  get_filename_component(repo ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/.. ABSOLUTE)
  file(GLOB writers CONFIGURE_DEPENDS ${repo}/tests/native/picdec/writers/*.cpp)
  if(WIN32)
    list(FILTER writers EXCLUDE REGEX "(Heif|Jxl)Writer")
  else()
    find_library(AVIF_LIBRARY NAMES avif REQUIRED)
    find_library(JXL_LIBRARY NAMES jxl REQUIRED)
    target_link_libraries(${target} PRIVATE "${AVIF_LIBRARY}" "${JXL_LIBRARY}")
    target_compile_definitions(${target} PRIVATE LUMO_HEIF_WRITER=1)
  endif()
  target_sources(${target} PRIVATE ${writers})
endfunction()
