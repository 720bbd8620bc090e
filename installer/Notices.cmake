# Writes the licence texts that ship with the program, in UTF-8 with a byte
# order mark (the setup's licence page and old editors need it to read it as
# such) and with Windows line ends:
#   LICENSE.txt              the program's own licence
#   THIRD-PARTY-NOTICES.txt  the licences of the libraries linked into it, read
#                            from the source packages the decoders were built from
#   licence-page.txt         both, for the setup's licence page
#
#   cmake -DSOURCES=DIR -DJXL_SOURCES=DIR -DHEIF_SOURCES=DIR -DHEIF_BUILT=FILE -DHEIF_PATCHES=DIR -DCMYK_PROFILE=DIR
#         -DLICENSE=FILE -DRUNTIME_COPYRIGHT=FILE -DOUTPUT_DIR=DIR -P Notices.cmake
#
# SOURCES, JXL_SOURCES and HEIF_SOURCES hold the unpacked source packages of
# the static libraries, of the JPEG XL decoder and of the HEIF DLLs; HEIF_BUILT names the source packages the
# DLLs were built from, HEIF_PATCHES the changes made to them; CMYK_PROFILE
# the built-in CMYK profile's folder (tools/make-cmyk-profile.sh);
# RUNTIME_COPYRIGHT is Debian's copyright file of the mingw-w64 run-time,
# whose thread library is linked in statically.

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

read_text("${SOURCES}/libwebp/COPYING" webp)
read_text("${SOURCES}/libwebp/PATENTS" webp_patents)
add_notice("libwebp" "${webp}\n\n\n${webp_patents}")

read_text("${SOURCES}/xz-utils/COPYING" xz)
add_notice("liblzma (XZ Utils)" "${xz}")

read_text("${SOURCES}/libzstd/LICENSE" zstd)
add_notice("Zstandard (libzstd)" "${zstd}")

read_text("${JXL_SOURCES}/jpeg-xl/LICENSE" jxl)
read_text("${JXL_SOURCES}/jpeg-xl/PATENTS" jxl_patents)
add_notice("libjxl (JPEG XL)" "${jxl}\n\n\n${jxl_patents}")

read_text("${JXL_SOURCES}/highway/LICENSE" highway)
add_notice("Highway" "${highway}")

read_text("${JXL_SOURCES}/brotli/LICENSE" brotli)
add_notice("Brotli" "${brotli}")

read_text("${JXL_SOURCES}/lcms2/COPYING" lcms2)
add_notice("Little CMS (lcms2)" "${lcms2}")

read_debian_licence("${CMYK_PROFILE}/copyright" "Zlib" fogra)
add_notice("The CMYK profile for offset print on coated paper (FOGRA39)"
  "PICDEC32.DLL holds a CMYK profile for CMYK pictures that carry none. It is made by Argyll CMS's colprof \
from FOGRA39L.ti3, Fogra's characterisation data of offset printing on coated paper (ISO 12647-2), \
as Debian's package icc-profiles-free ships it.\n\nCopyright Kai-Uwe Behrmann <www.behrmann.name>\n\n${fogra}")

# The Copyright field of a Debian copyright file's first paragraph for "Files: *".
function(read_debian_copyright path result)
  read_text("${path}" text)
  string(REGEX MATCH "\nFiles: [*]\nCopyright:[^\n]*(\n [^\n]*)*" text "${text}")
  string(REGEX REPLACE "^\nFiles: [*]\nCopyright:[ ]*" "" text "${text}")
  string(REGEX REPLACE "\n +" "\n" text "${text}")
  string(STRIP "${text}" text)
  set(${result} "Copyright ${text}" PARENT_SCOPE)
endfunction()

# The DLLs for HEIF and AVIF pictures: LGPL libraries, replaceable, with the
# offer of their source.
file(STRINGS "${HEIF_BUILT}" heif_built)
list(JOIN heif_built ", " heif_built)
file(GLOB heif_patches "${HEIF_PATCHES}/*.patch")
set(heif_changes "")
foreach(patch ${heif_patches})
  read_text("${patch}" change)
  string(APPEND heif_changes "\n\n${change}")
endforeach()
add_notice("LIBHEIF.DLL and LIBDE265.DLL (libheif and libde265, with dav1d)"
  "LIBHEIF.DLL and LIBDE265.DLL, which read HEIF and AVIF pictures, are the libraries libheif and libde265, \
with dav1d linked into LIBHEIF.DLL, built from Debian's source packages ${heif_built}, \
with the changes below. They are libraries of their own beside PICDEC32.DLL, which loads them when it \
first reads such a picture: you may replace them with builds of your own (of the same interface).\n\n\
The complete source code of these libraries is available from Debian (https://sources.debian.org/), \
and the script that builds them (tools/build-heif-dlls.sh) is part of Lumoscope32's source. On request, \
the Lumoscope32 authors give the corresponding source of the DLLs they ship to anyone, for three years \
after the release that holds them, at no more than the cost of sending it.\n\n\
The change made to libheif:${heif_changes}")

read_debian_copyright("${HEIF_SOURCES}/libheif/debian/copyright" heif_copyright)
read_text("${HEIF_SOURCES}/libheif/COPYING" heif)
add_notice("libheif" "${heif_copyright}\n\n${heif}")

read_debian_copyright("${HEIF_SOURCES}/libde265/debian/copyright" de265_copyright)
add_notice("libde265" "${de265_copyright}\n\n\
libde265 is distributed under the terms of the GNU Lesser General Public License, version 3 or later: \
the licence texts are those given for libheif above.")

read_text("${HEIF_SOURCES}/dav1d/COPYING" dav1d)
add_notice("dav1d" "${dav1d}")

read_debian_licence("${RUNTIME_COPYRIGHT}" "expat" winpthreads)
add_notice("mingw-w64 winpthreads (the compiler's thread library)"
           "Copyright (c) 2011-2016 mingw-w64 project\n\n${winpthreads}")

read_text("${LICENSE}" own)
write_windows_text("${OUTPUT_DIR}/LICENSE.txt" "${own}")
write_windows_text("${OUTPUT_DIR}/THIRD-PARTY-NOTICES.txt" "${notices}")
write_windows_text("${OUTPUT_DIR}/licence-page.txt" "Lumoscope32\n\n${own}\n\n\n${notices}")
