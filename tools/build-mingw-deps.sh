#!/usr/bin/env bash
# Builds the static image decoder libraries Lumoscope32 links against
# (zlib, libjpeg-turbo, libpng, giflib, libtiff with the compressions of
# liblzma, libzstd and libwebp) for one mingw-w64 target,
# from Debian bookworm's source packages (Debian patches applied).
#
#   tools/build-mingw-deps.sh ARCH PREFIX
#   tools/build-mingw-deps.sh --key
#
# ARCH, PREFIX, the layout beside PREFIX, the stamp and the key: see
# tools/deps-lib.sh.

set -euo pipefail
DEPS_NAME=deps
SOURCE_PACKAGES=(zlib libjpeg-turbo libpng1.6 giflib tiff xz-utils libzstd libwebp)
BUILD_INPUTS=()
EXTRA_TOOLS=()
. "$(dirname "$(readlink -f "$0")")/deps-lib.sh"
deps_begin "$@"

# ---------------------------------------------------------------- zlib
# Only the static target: the dfsg tarball has no win32/zlib1.rc, which the
# DLL target needs.  The output is libzlibstatic.a; installed as libz.a.
step_start zlib
src=$(unpack zlib)
bld=$WORK/zlib
cmake_configure zlib "$src" "$bld"
run zlib cmake --build "$bld" --target zlibstatic
cp "$src/zlib.h" "$bld/zconf.h" "$PREFIX/include/"
cp "$bld/libzlibstatic.a" "$PREFIX/lib/libz.a"
step_done zlib

# ---------------------------------------------------------------- libjpeg-turbo
step_start libjpeg-turbo
src=$(unpack libjpeg-turbo)
bld=$WORK/libjpeg-turbo
cmake_configure libjpeg-turbo "$src" "$bld" \
    -DENABLE_SHARED=OFF -DENABLE_STATIC=ON \
    -DREQUIRE_SIMD=ON -DWITH_SIMD=ON \
    -DWITH_TURBOJPEG=ON -DWITH_JAVA=OFF
run libjpeg-turbo cmake --build "$bld"
run libjpeg-turbo cmake --install "$bld"
# its command-line tools, docs and man pages are not needed
rm -rf "$PREFIX/bin" "$PREFIX/share"
step_done libjpeg-turbo

# Passed explicitly: FindJPEG reports success even for a missing file, and a
# search could find a DLL import library instead of the static archive.
ZLIB_ARGS=(-DZLIB_LIBRARY:FILEPATH="$PREFIX/lib/libz.a" -DZLIB_INCLUDE_DIR:PATH="$PREFIX/include")
JPEG_ARGS=(-DJPEG_LIBRARY:FILEPATH="$PREFIX/lib/libjpeg.a" -DJPEG_INCLUDE_DIR:PATH="$PREFIX/include")

# ---------------------------------------------------------------- libpng
step_start libpng
src=$(unpack libpng1.6)
bld=$WORK/libpng
cmake_configure libpng "$src" "$bld" "${ZLIB_ARGS[@]}" \
    -DPNG_SHARED=OFF -DPNG_STATIC=ON -DPNG_TESTS=OFF -DPNG_EXECUTABLES=OFF \
    -DPNG_HARDWARE_OPTIMIZATIONS=ON -DSKIP_INSTALL_EXECUTABLES=ON \
    -DSKIP_INSTALL_PROGRAMS=ON -DSKIP_INSTALL_FILES=ON
run libpng cmake --build "$bld"
run libpng cmake --install "$bld"
step_done libpng

# ---------------------------------------------------------------- giflib
# giflib only has a Makefile; compile the library sources directly.
step_start giflib
src=$(unpack giflib)
bld=$WORK/giflib
mkdir -p "$bld"
objs=()
for f in dgif_lib.c egif_lib.c gifalloc.c gif_err.c gif_font.c gif_hash.c \
         openbsd-reallocarray.c quantize.c; do
    [[ -f $src/$f ]] || continue
    run giflib "$CC_BIN" -std=gnu99 -Wall $OPT_FLAGS -I"$src" -c "$src/$f" -o "$bld/${f%.c}.o"
    objs+=("$bld/${f%.c}.o")
done
run giflib "$AR_BIN" rcs "$bld/libgif.a" "${objs[@]}"
cp "$bld/libgif.a" "$PREFIX/lib/"
cp "$src/gif_lib.h" "$PREFIX/include/"
step_done giflib

# ---------------------------------------------------------------- liblzma
step_start liblzma
src=$(unpack xz-utils)
bld=$WORK/liblzma
cmake_configure liblzma "$src" "$bld" -DBUILD_SHARED_LIBS=OFF -DBUILD_TESTING=OFF
run liblzma cmake --build "$bld" --target liblzma
cp "$bld/liblzma.a" "$PREFIX/lib/"
cp -r "$src/src/liblzma/api/lzma.h" "$src/src/liblzma/api/lzma" "$PREFIX/include/"
step_done liblzma

# ---------------------------------------------------------------- libzstd
step_start libzstd
src=$(unpack libzstd)
bld=$WORK/libzstd
cmake_configure libzstd "$src/build/cmake" "$bld" \
    -DZSTD_BUILD_STATIC=ON -DZSTD_BUILD_SHARED=OFF -DZSTD_BUILD_PROGRAMS=OFF -DZSTD_BUILD_TESTS=OFF \
    -DZSTD_BUILD_CONTRIB=OFF -DZSTD_MULTITHREAD_SUPPORT=OFF -DZSTD_LEGACY_SUPPORT=OFF
run libzstd cmake --build "$bld" --target libzstd_static
cp "$bld/lib/libzstd.a" "$PREFIX/lib/"
cp "$src/lib/zstd.h" "$src/lib/zstd_errors.h" "$PREFIX/include/"
step_done libzstd

# ---------------------------------------------------------------- libwebp
step_start libwebp
src=$(unpack libwebp)
bld=$WORK/libwebp
cmake_configure libwebp "$src" "$bld" -DBUILD_SHARED_LIBS=OFF -DWEBP_USE_THREAD=OFF \
    -DWEBP_BUILD_ANIM_UTILS=OFF -DWEBP_BUILD_CWEBP=OFF -DWEBP_BUILD_DWEBP=OFF -DWEBP_BUILD_GIF2WEBP=OFF \
    -DWEBP_BUILD_IMG2WEBP=OFF -DWEBP_BUILD_VWEBP=OFF -DWEBP_BUILD_WEBPINFO=OFF -DWEBP_BUILD_WEBPMUX=OFF \
    -DWEBP_BUILD_EXTRAS=OFF
# The demuxer finds the first frame of an animation.
run libwebp cmake --build "$bld" --target webp webpdemux
cp "$bld/libwebp.a" "$bld/libwebpdemux.a" "$PREFIX/lib/"
mkdir -p "$PREFIX/include/webp"
cp "$src/src/webp/decode.h" "$src/src/webp/encode.h" "$src/src/webp/types.h" "$src/src/webp/demux.h" \
    "$src/src/webp/mux_types.h" "$PREFIX/include/webp/"
step_done libwebp

CODEC_ARGS=(
    -DLIBLZMA_LIBRARY:FILEPATH="$PREFIX/lib/liblzma.a" -DLIBLZMA_INCLUDE_DIR:PATH="$PREFIX/include"
    -DZSTD_LIBRARY_RELEASE:FILEPATH="$PREFIX/lib/libzstd.a" -DZSTD_INCLUDE_DIR:PATH="$PREFIX/include"
    -DWebP_LIBRARY_RELEASE:FILEPATH="$PREFIX/lib/libwebp.a" -DWebP_INCLUDE_DIR:PATH="$PREFIX/include"
)

# ---------------------------------------------------------------- libtiff
step_start libtiff
src=$(unpack tiff)
bld=$WORK/libtiff
# LZMA_API_STATIC: lzma.h otherwise declares its functions as DLL imports.
cmake_configure libtiff "$src" "$bld" "${ZLIB_ARGS[@]}" "${JPEG_ARGS[@]}" "${CODEC_ARGS[@]}" \
    -DCMAKE_C_FLAGS="$OPT_LEVEL -DLZMA_API_STATIC" \
    -DBUILD_SHARED_LIBS=OFF \
    -Dtiff-tools=OFF -Dtiff-tests=OFF -Dtiff-docs=OFF -Dtiff-contrib=OFF \
    -Dtiff-opengl=OFF -Dcxx=OFF \
    -Dzlib=ON -Djpeg=ON -Dold-jpeg=ON -Djpeg12=OFF \
    -Dlzw=ON -Dccitt=ON -Dpackbits=ON -Dpixarlog=ON -Dthunder=ON -Dnext=ON -Dlogluv=ON -Dmdi=ON \
    -Dlzma=ON -Dzstd=ON -Dwebp=ON -Djbig=OFF -Dlerc=OFF -Dlibdeflate=OFF
run libtiff cmake --build "$bld"
run libtiff cmake --install "$bld"
for codec in LZMA ZSTD WEBP; do
    # No pipe: grep -q may stop reading early, and pipefail would take the
    # writer's broken pipe for a missing codec.
    grep -Eq "^#define ${codec}_SUPPORT\b" "$bld/libtiff/tif_config.h" "$bld/libtiff/tiffconf.h" \
        || die "libtiff was configured without $codec"
done
step_done libtiff

# ---------------------------------------------------------------- check

for f in zlib.h zconf.h jpeglib.h jconfig.h jmorecfg.h jerror.h png.h pngconf.h \
         pnglibconf.h gif_lib.h tiff.h tiffio.h tiffconf.h tiffvers.h; do
    [[ -f $PREFIX/include/$f ]] || die "missing include/$f"
done
for f in libz.a libjpeg.a libpng16.a libgif.a libtiff.a liblzma.a libzstd.a libwebp.a libwebpdemux.a; do
    [[ -f $PREFIX/lib/$f ]] || die "missing lib/$f"
done
if compgen -G "$PREFIX/lib/*.dll.a" >/dev/null || compgen -G "$PREFIX/bin/*.dll" >/dev/null; then
    die "a DLL or import library was installed"
fi

deps_end
