# Writes the licence texts that ship with the program, in UTF-8 with a byte
# order mark (the setup's licence page and old editors need it to read it as
# such) and with Windows line ends:
#   LICENSE.txt              the program's own licence
#   THIRD-PARTY-NOTICES.txt  the licences of the libraries linked into it, read
#                            from the source packages the decoders were built from
#   licence-page.txt         both, for the setup's licence page
#
#   cmake -DSOURCES=DIR -DLICENSE=FILE -DRUNTIME_COPYRIGHT=FILE -DOUTPUT_DIR=DIR -P Notices.cmake
#
# SOURCES holds the unpacked source packages; RUNTIME_COPYRIGHT is Debian's
# copyright file of the mingw-w64 run-time, whose thread library is linked
# in statically.

function(read_text path result)
  if(NOT EXISTS "${path}")
    message(FATAL_ERROR "${path} is missing: the decoder libraries' sources must be unpacked (tools/build-mingw-deps.sh)")
  endif()
  file(READ "${path}" text)
  string(REPLACE "\r\n" "\n" text "${text}")
  string(STRIP "${text}" text)
  set(${result} "${text}" PARENT_SCOPE)
endfunction()

# The text from the line that equals heading up to the next line of "="
# that underlines another heading (that heading's line excluded).
function(read_section path heading result)
  read_text("${path}" text)
  string(FIND "${text}" "\n${heading}\n" start)
  if(start EQUAL -1)
    message(FATAL_ERROR "${path} has no section ${heading}")
  endif()
  string(SUBSTRING "${text}" ${start} -1 text)
  string(REGEX REPLACE "^\n[^\n]*\n=+\n" "" text "${text}")
  string(REGEX REPLACE "\n[^\n]+\n=+\n.*" "" text "${text}")
  string(STRIP "${text}" text)
  set(${result} "${heading}\n\n${text}" PARENT_SCOPE)
endfunction()

# A stand-alone licence paragraph of a Debian copyright file: its text lines
# start with a space, and " ." stands for an empty line.
function(read_debian_licence path name result)
  read_text("${path}" text)
  string(REGEX MATCH "\nLicense: ${name}\n( [^\n]*\n?)+" text "${text}")
  if(NOT text)
    message(FATAL_ERROR "${path} has no licence ${name}")
  endif()
  string(REGEX REPLACE "^\nLicense: ${name}\n" "" text "${text}")
  string(REGEX REPLACE "(^|\n) \\.(\n|$)" "\\1\\2" text "${text}")
  string(REGEX REPLACE "(^|\n) " "\\1" text "${text}")
  string(STRIP "${text}" text)
  set(${result} "${text}" PARENT_SCOPE)
endfunction()

function(write_windows_text path text)
  string(REPLACE "\n" "\r\n" text "${text}\n")
  string(ASCII 239 187 191 byte_order_mark)
  file(WRITE "${path}" "${byte_order_mark}${text}")
endfunction()

set(rule "================================================================================")
set(notices "Third-party notices\n\nLumoscope32 contains code of the following libraries, each under its own licence.\n")

function(add_notice title text)
  set(notices "${notices}\n${rule}\n${title}\n${rule}\n\n${text}\n" PARENT_SCOPE)
endfunction()

read_text("${SOURCES}/zlib/LICENSE" zlib)
add_notice("zlib" "${zlib}")

read_text("${SOURCES}/libjpeg-turbo/LICENSE.md" jpeg)
read_section("${SOURCES}/libjpeg-turbo/README.ijg" "LEGAL ISSUES" ijg)
add_notice("libjpeg-turbo (this software is based in part on the work of the Independent JPEG Group)"
           "${jpeg}\n\n\nFrom README.ijg:\n\n${ijg}")

read_text("${SOURCES}/libpng1.6/LICENSE" png)
add_notice("libpng" "${png}")

read_text("${SOURCES}/giflib/COPYING" gif)
add_notice("giflib" "${gif}")

read_text("${SOURCES}/tiff/LICENSE.md" tiff)
add_notice("libtiff" "${tiff}")

read_debian_licence("${RUNTIME_COPYRIGHT}" "expat" winpthreads)
add_notice("mingw-w64 winpthreads (the compiler's thread library)"
           "Copyright (c) 2011-2016 mingw-w64 project\n\n${winpthreads}")

read_text("${LICENSE}" own)
write_windows_text("${OUTPUT_DIR}/LICENSE.txt" "${own}")
write_windows_text("${OUTPUT_DIR}/THIRD-PARTY-NOTICES.txt" "${notices}")
write_windows_text("${OUTPUT_DIR}/licence-page.txt" "Lumoscope32\n\n${own}\n\n\n${notices}")
