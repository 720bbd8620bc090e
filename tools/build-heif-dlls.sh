#!/usr/bin/env bash
# Builds the HEIF decoder Lumoscope32 loads when it first opens a HEIC, HEIF
# or AVIF picture, for one mingw-w64 target, from Debian bookworm's source
# packages (Debian patches applied): libheif and libde265 as DLLs of their
# own (both are LGPL, so a user can replace them), dav1d linked statically
# into libheif.dll. The C and C++ run-times are linked in statically, so the
# two DLLs need nothing but Windows.
#
#   tools/build-heif-dlls.sh ARCH PREFIX
#   tools/build-heif-dlls.sh --key
#
# PREFIX receives bin/LIBHEIF.DLL, bin/LIBDE265.DLL and include/libheif/.
# ARCH, the layout beside PREFIX, the stamp and the key: see tools/deps-lib.sh.

set -euo pipefail
DEPS_NAME=heif
SOURCE_PACKAGES=(dav1d libde265 libheif)
EXTRA_TOOLS=(meson:meson pkg-config:pkg-config)
BUILD_INPUTS=("$(dirname "$(readlink -f "$0")")"/patches/libheif-*.patch)
. "$(dirname "$(readlink -f "$0")")/deps-lib.sh"
deps_begin "$@"

# --exclude-libs: a DLL exports only its own functions, not the run-time's.
STATIC_RUNTIME="-static -Wl,--exclude-libs,ALL"

# ---------------------------------------------------------------- dav1d
step_start dav1d
src=$(unpack dav1d)
bld=$WORK/dav1d
case "$ARCH" in
    x86_64) cpu_family=x86_64 ;;
    i686) cpu_family=x86 ;;
esac
cross=$WORK/meson-cross-$ARCH.ini
cat >"$cross" <<EOF
[binaries]
c = '$CC_BIN'
cpp = '$CXX_BIN'
ar = '$AR_BIN'
strip = '$HOST-strip'
windres = '$RC_BIN'
pkgconfig = 'pkg-config'

[host_machine]
system = 'windows'
cpu_family = '$cpu_family'
cpu = '$ARCH'
endian = 'little'
EOF
run dav1d meson setup "$bld" "$src" --cross-file "$cross" --prefix "$PREFIX" --libdir lib \
    --buildtype release --default-library static \
    -Dbitdepths=8,16 -Denable_asm=true -Denable_tools=false -Denable_tests=false -Dlogging=false
run dav1d ninja -C "$bld" install
step_done dav1d

# ---------------------------------------------------------------- libde265
step_start libde265
src=$(unpack libde265)
bld=$WORK/libde265
cmake_configure libde265 "$src" "$bld" -DBUILD_SHARED_LIBS=ON \
    -DENABLE_SDL=OFF -DENABLE_DECODER=OFF -DENABLE_ENCODER=OFF \
    -DCMAKE_SHARED_LINKER_FLAGS="$STATIC_RUNTIME"
run libde265 cmake --build "$bld"
run libde265 cmake --install "$bld"
step_done libde265

# ---------------------------------------------------------------- libheif
# The decoders are built in (no plugin loading, which would search folders
# for further DLLs); no encoder, no examples.
step_start libheif
src=$(unpack libheif)
for patch in "$TOOLS_DIR"/patches/libheif-*.patch; do
    run libheif patch -p1 -d "$src" -i "$patch"
done
bld=$WORK/libheif
cmake_configure libheif "$src" "$bld" -DBUILD_SHARED_LIBS=ON -DENABLE_PLUGIN_LOADING=OFF \
    -DWITH_LIBDE265=ON -DWITH_LIBDE265_PLUGIN=OFF -DWITH_DAV1D=ON -DWITH_DAV1D_PLUGIN=OFF \
    -DWITH_X265=OFF -DWITH_AOM_DECODER=OFF -DWITH_AOM_ENCODER=OFF -DWITH_RAV1E=OFF -DWITH_SvtEnc=OFF \
    -DWITH_EXAMPLES=OFF -DWITH_GDK_PIXBUF=OFF -DWITH_DEFLATE_HEADER_COMPRESSION=OFF \
    -DCMAKE_DISABLE_FIND_PACKAGE_Doxygen=ON \
    -DCMAKE_SHARED_LINKER_FLAGS="$STATIC_RUNTIME"
grep -q 'libde265 (HEIC decoder): found (built-in)' "$LOGS/libheif.log" || die "libheif was configured without libde265"
grep -q 'Dav1d (AVIF decoder): found (built-in)' "$LOGS/libheif.log" || die "libheif was configured without dav1d"
run libheif cmake --build "$bld" --target heif
mkdir -p "$PREFIX/include/libheif"
cp "$src/libheif/heif.h" "$bld/libheif/heif_version.h" "$PREFIX/include/libheif/"
step_done libheif

# ---------------------------------------------------------------- install

mkdir -p "$PREFIX/bin"
cp "$bld/libheif/libheif.dll" "$PREFIX/bin/LIBHEIF.DLL"
mv "$PREFIX/bin/libde265.dll" "$PREFIX/bin/LIBDE265.DLL"
"$HOST-strip" --strip-unneeded "$PREFIX/bin/LIBHEIF.DLL" "$PREFIX/bin/LIBDE265.DLL"
imports=$("$HOST-objdump" -p "$PREFIX/bin/LIBHEIF.DLL" "$PREFIX/bin/LIBDE265.DLL" | awk '/DLL Name:/ { print tolower($3) }' | sort -u)
for dll in $imports; do
    case "$dll" in
        libde265.dll|kernel32.dll|msvcrt.dll|user32.dll|advapi32.dll|api-ms-win-*) ;;
        *) die "the HEIF DLLs need $dll" ;;
    esac
done

deps_end
