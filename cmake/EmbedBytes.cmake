# Writes a C++ source that holds a file's bytes, behind a function
# declared in HEADER:  std::span<const std::uint8_t> FUNCTION();
#
#   cmake -DINPUT=FILE -DOUTPUT=FILE.cpp -DHEADER=path/Name.h -DFUNCTION=picdec::Name -P EmbedBytes.cmake
file(READ "${INPUT}" hex HEX)
string(LENGTH "${hex}" digits)
if(digits EQUAL 0)
  message(FATAL_ERROR "${INPUT} is empty")
endif()
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
file(WRITE "${OUTPUT}.new" "// Made from ${INPUT} by cmake/EmbedBytes.cmake.
#include \"${HEADER}\"

namespace {
const std::uint8_t kBytes[] = {
${bytes}
};
}  // namespace

std::span<const std::uint8_t> ${FUNCTION}() { return kBytes; }
")
file(RENAME "${OUTPUT}.new" "${OUTPUT}")
