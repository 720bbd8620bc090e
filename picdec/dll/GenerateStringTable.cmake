# Writes the library's string table from the failure codes (Status.h) and
# their messages (Status.cpp), so the two cannot drift apart. The message of
# code c is string 65536 + c.
#   cmake -DSTATUS_H=... -DSTATUS_CPP=... -DOUTPUT=... -P GenerateStringTable.cmake
file(READ "${STATUS_H}" header)
file(READ "${STATUS_CPP}" source)
string(REGEX MATCHALL "([A-Za-z]+) = -([0-9]+)" codes "${header}")
set(table "// Generated from Status.h and Status.cpp; do not edit.\nSTRINGTABLE\nBEGIN\n")
foreach(code ${codes})
  string(REGEX MATCH "([A-Za-z]+) = -([0-9]+)" _ "${code}")
  set(name "${CMAKE_MATCH_1}")
  math(EXPR id "65536 - ${CMAKE_MATCH_2}")
  string(REGEX MATCH "Status::${name}, \"([^\"]*)\"" found "${source}")
  if(NOT found)
    message(FATAL_ERROR "No message for Status::${name}")
  endif()
  string(APPEND table "  ${id}, \"${CMAKE_MATCH_1}\"\n")
endforeach()
string(APPEND table "END\n")
file(WRITE "${OUTPUT}.tmp" "${table}")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")
