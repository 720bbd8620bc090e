cmake_policy(SET CMP0057 NEW)  # if(IN_LIST)

# Writes the setup's list of the files it puts into the program folder, in the
# order of the program's own list (system/ProgramFiles.h), which names every
# file its uninstall deletes, and the name of the setup's log that the program
# reads. A shipped file missing from that list would stay behind after an
# uninstall, so it stops the build.
#
#   cmake -DHEADER=system/ProgramFiles.h -DSHIPPED="A.EXE;B.DLL" -DOUTPUT=file.nsh -P ProgramFiles.cmake

file(READ "${HEADER}" header)
string(REGEX MATCH "kInstallerLogName = \"([^\"]+)\"" log "${header}")
set(log "${CMAKE_MATCH_1}")
string(REGEX MATCH "kInstallerLogProduct = \"([^\"]+)\"" product "${header}")
set(product "${CMAKE_MATCH_1}")
string(REGEX MATCH "kProgramFiles = {[^}]*}" list "${header}")
string(REGEX MATCHALL "\"[^\"]+\"" names "${list}")
string(REPLACE "\"" "" names "${names}")
if(NOT names OR NOT log OR NOT product)
  message(FATAL_ERROR "${HEADER} holds no list kProgramFiles, no kInstallerLogName or no kInstallerLogProduct")
endif()

foreach(file IN LISTS SHIPPED)
  if(NOT file IN_LIST names)
    message(FATAL_ERROR "${file} is not among the program's files in ${HEADER}: its uninstall would leave it behind")
  endif()
endforeach()

set(text "; Generated from ${HEADER}.\n!define INSTALLER_LOG \"${log}\"\n!define INSTALLER_LOG_PRODUCT \"${product}\"\n")
string(APPEND text "\n; The files of the program folder.\n")
string(APPEND text "!macro InstallProgramFiles\n")
foreach(name IN LISTS names)
  if(name IN_LIST SHIPPED)
    string(APPEND text "  !insertmacro ProgramFile \"${name}\"\n")
  endif()
endforeach()
string(APPEND text "!macroend\n")
file(WRITE "${OUTPUT}" "${text}")
