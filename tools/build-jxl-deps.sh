#!/usr/bin/env bash
# Builds the static JPEG XL decoder Lumoscope32 links against for one
# mingw-w64 target, from Debian bookworm's source packages (Debian patches
# applied): libjxl's decoder library with highway and brotli's decoder, and
# Little CMS, which libjxl's build asks for.
#
#   tools/build-jxl-deps.sh ARCH PREFIX
#   tools/build-jxl-deps.sh --key
#
# PREFIX receives lib/ (libjxl_dec.a, libhwy.a, libbrotlidec.a,
# libbrotlicommon.a, liblcms2.a) and include/. ARCH, the layout beside
# PREFIX, the stamp and the key: see tools/deps-lib.sh.

set -euo pipefail
DEPS_NAME=jxl
SOURCE_PACKAGES=(lcms2 brotli highway jpeg-xl)
BUILD_INPUTS=()
EXTRA_TOOLS=(pkg-config:pkg-config)
. "$(dirname "$(readlink -f "$0")")/deps-lib.sh"
deps_begin "$@"

# ---------------------------------------------------------------- lcms2
# Its Makefiles are autotools ones; the library is its src/ folder.
step_start lcms2
src=$(unpack lcms2)
bld=$WORK/lcms2
mkdir -p "$bld"
objs=()
for f in "$src"/src/*.c; do
    o=$bld/$(basename "${f%.c}").o
    run lcms2 "$CC_BIN" -std=gnu99 $OPT_FLAGS -DCMS_NO_REGISTER_KEYWORD -I"$src/include" -c "$f" -o "$o"
    objs+=("$o")
done
run lcms2 "$AR_BIN" rcs "$bld/liblcms2.a" "${objs[@]}"
cp "$bld/liblcms2.a" "$PREFIX/lib/"
cp "$src/include/lcms2.h" "$src/include/lcms2_plugin.h" "$PREFIX/include/"
step_done lcms2

# ---------------------------------------------------------------- brotli
step_start brotli
src=$(unpack brotli)
bld=$WORK/brotli
cmake_configure brotli "$src" "$bld" -DBROTLI_DISABLE_TESTS=ON -DBROTLI_BUNDLED_MODE=OFF
# libjxl's build looks for the encoder too, though its decoder never calls it.
run brotli cmake --build "$bld" --target brotlicommon-static brotlidec-static brotlienc-static
for part in common dec enc; do
    cp "$bld/libbrotli$part-static.a" "$PREFIX/lib/libbrotli$part.a"
done
cp -r "$src/c/include/brotli" "$PREFIX/include/"
step_done brotli

# ---------------------------------------------------------------- highway
step_start highway
src=$(unpack highway)
bld=$WORK/highway
cmake_configure highway "$src" "$bld" -DBUILD_SHARED_LIBS=OFF -DHWY_FORCE_STATIC_LIBS=ON -DBUILD_TESTING=OFF \
    -DHWY_ENABLE_TESTS=OFF -DHWY_ENABLE_EXAMPLES=OFF -DHWY_ENABLE_CONTRIB=OFF
run highway cmake --build "$bld" --target hwy
cp "$bld/libhwy.a" "$PREFIX/lib/"
(cd "$src" && find hwy -name '*.h' -exec cp --parents {} "$PREFIX/include/" \;)
step_done highway

# ---------------------------------------------------------------- libjxl
# The decoder alone; no tools, no encoder, no colour management of its own.
step_start libjxl
src=$(unpack jpeg-xl)
bld=$WORK/libjxl
cmake_configure libjxl "$src" "$bld" -DBUILD_SHARED_LIBS=OFF -DBUILD_TESTING=OFF -DJPEGXL_STATIC=OFF \
    -DJPEGXL_ENABLE_TOOLS=OFF -DJPEGXL_ENABLE_DEVTOOLS=OFF -DJPEGXL_ENABLE_BENCHMARK=OFF \
    -DJPEGXL_ENABLE_EXAMPLES=OFF -DJPEGXL_ENABLE_MANPAGES=OFF -DJPEGXL_ENABLE_DOXYGEN=OFF \
    -DJPEGXL_ENABLE_JNI=OFF -DJPEGXL_ENABLE_SJPEG=OFF -DJPEGXL_ENABLE_OPENEXR=OFF -DJPEGXL_ENABLE_PLUGINS=OFF \
    -DJPEGXL_ENABLE_VIEWERS=OFF -DJPEGXL_ENABLE_TCMALLOC=OFF -DJPEGXL_ENABLE_FUZZERS=OFF \
    -DJPEGXL_ENABLE_SKCMS=OFF -DJPEGXL_BUNDLE_SKCMS=OFF -DJPEGXL_ENABLE_TRANSCODE_JPEG=OFF \
    -DJPEGXL_FORCE_SYSTEM_BROTLI=ON -DJPEGXL_FORCE_SYSTEM_HWY=ON -DJPEGXL_FORCE_SYSTEM_LCMS2=ON \
    -DJPEGXL_WARNINGS_AS_ERRORS=OFF \
    -DBROTLICOMMON_LIBRARY:FILEPATH="$PREFIX/lib/libbrotlicommon.a" \
    -DBROTLIDEC_LIBRARY:FILEPATH="$PREFIX/lib/libbrotlidec.a" \
    -DBROTLIENC_LIBRARY:FILEPATH="$PREFIX/lib/libbrotlienc.a" \
    -DBROTLI_INCLUDE_DIR:PATH="$PREFIX/include" \
    -DLCMS2_LIBRARY:FILEPATH="$PREFIX/lib/liblcms2.a" -DLCMS2_INCLUDE_DIR:PATH="$PREFIX/include"
run libjxl cmake --build "$bld" --target jxl_dec-static
cp "$bld/lib/libjxl_dec.a" "$PREFIX/lib/"
mkdir -p "$PREFIX/include/jxl"
cp "$src"/lib/include/jxl/*.h "$bld"/lib/include/jxl/*.h "$PREFIX/include/jxl/"
step_done libjxl

# ---------------------------------------------------------------- check

for f in libjxl_dec.a libhwy.a libbrotlidec.a libbrotlicommon.a liblcms2.a; do
    [[ -f $PREFIX/lib/$f ]] || die "missing lib/$f"
done
if compgen -G "$PREFIX/lib/*.dll.a" >/dev/null || compgen -G "$PREFIX/bin/*.dll" >/dev/null; then
    die "a DLL or import library was installed"
fi

deps_end
