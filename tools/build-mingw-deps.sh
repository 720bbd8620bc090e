#!/usr/bin/env bash
# Builds the static image decoder libraries Lumoscope32 links against
# (zlib, libjpeg-turbo, libpng, giflib, libtiff with the compressions of
# liblzma, libzstd, libwebp and jbigkit) for one mingw-w64 target,
# from Debian bookworm's source packages (Debian patches applied).
#
#   tools/build-mingw-deps.sh ARCH PREFIX
#   tools/build-mingw-deps.sh --key
#
#   ARCH    x86_64 or i686
#   PREFIX  output directory (absolute or relative); receives include/ and lib/
#
# Layout next to PREFIX (shared by both architectures when PREFIX is
# e.g. build/deps/x86_64 and build/deps/i686):
#   PREFIX/../src-cache     downloaded Debian source packages (.dsc + tarballs)
#   PREFIX/../build-ARCH    unpacked sources, build trees, toolchain file, logs
#
# The result is cached: when PREFIX/.complete records the hash of this script
# and the same ARCH, nothing is done.  Any change to this script rebuilds.
# --key prints what a build depends on, as one hash: this script and the
# versions of the source packages apt offers. tools/build-lib.sh keeps the
# builds of each key in a cache outside the work tree.
#
# Runs as root on a plain Debian 12 machine: adds a deb-src entry if there is
# none, and installs the build tools it needs if they are missing (through
# tools/install-packages.sh, like every other script).

set -euo pipefail

usage() {
    echo "usage: $0 x86_64|i686 PREFIX" >&2
    exit 2
}

KEY_ONLY=0
if [[ $# -eq 1 && $1 == --key ]]; then
    KEY_ONLY=1
    exec 3>&1 >&2  # only the key goes to the standard output
    set -- x86_64 /nonexistent/x86_64
fi
[[ $# -eq 2 ]] || usage
ARCH=$1
case "$ARCH" in
    x86_64|i686) ;;
    *) usage ;;
esac
[[ -n $2 ]] || usage

SCRIPT_PATH=$(readlink -f "${BASH_SOURCE[0]}")
SCRIPT_HASH=$(sha256sum "$SCRIPT_PATH" | cut -d' ' -f1)
STAMP_TEXT="$SCRIPT_HASH $ARCH"

if [[ $KEY_ONLY -eq 0 ]]; then
    mkdir -p "$2"
    PREFIX=$(cd "$2" && pwd)
    if [[ -f $PREFIX/.complete ]] && [[ $(cat "$PREFIX/.complete") == "$STAMP_TEXT" ]]; then
        echo "[deps $ARCH] up to date in $PREFIX"
        exit 0
    fi
else
    PREFIX=$2
fi

TOP=$(dirname "$PREFIX")
SRC_CACHE=$TOP/src-cache
WORK=$TOP/build-$ARCH
LOGS=$WORK/logs
HOST=$ARCH-w64-mingw32
SOURCE_PACKAGES=(zlib libjpeg-turbo libpng1.6 giflib tiff xz-utils libzstd libwebp jbigkit)
SUITE=bookworm

export DEBIAN_FRONTEND=noninteractive
export LC_ALL=C

say() { echo "[deps $ARCH] $*"; }
die() { echo "[deps $ARCH] error: $*" >&2; exit 1; }

# One run per PREFIX at a time.
if [[ $KEY_ONLY -eq 0 ]]; then
    exec 8>"$TOP/.lock-$ARCH"
    flock 8
fi

# ---------------------------------------------------------------- tools

APT_UPDATED=0
apt_update_once() {
    if [[ $APT_UPDATED -eq 0 ]]; then
        apt-get update -qq >/dev/null || die "apt-get update failed"
        APT_UPDATED=1
    fi
}

ensure_tools() {
    local -a missing=()
    command -v "$HOST-gcc-posix" >/dev/null || missing+=(mingw-w64)
    command -v "$HOST-g++-posix" >/dev/null || missing+=(mingw-w64)
    command -v nasm >/dev/null || missing+=(nasm)
    command -v cmake >/dev/null || missing+=(cmake)
    command -v ninja >/dev/null || missing+=(ninja-build)
    command -v dpkg-source >/dev/null || missing+=(dpkg-dev)
    command -v make >/dev/null || missing+=(make)
    if [[ ${#missing[@]} -gt 0 ]]; then
        say "installing ${missing[*]}"
        "$(dirname "$SCRIPT_PATH")/install-packages.sh" "${missing[@]}" || die "installing ${missing[*]} failed"
    fi
}

have_deb_src() {
    local f
    for f in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
        [[ -f $f ]] && grep -Eq '^[[:space:]]*deb-src[[:space:]]' "$f" && return 0
    done
    for f in /etc/apt/sources.list.d/*.sources; do
        [[ -f $f ]] && grep -Eiq '^Types:.*\bdeb-src\b' "$f" && return 0
    done
    return 1
}

# Copies each stanza of debian.sources with Types: deb-src, keeping only the
# fields apt needs to locate the sources (continuation lines included).
add_deb_src() {
    local from=/etc/apt/sources.list.d/debian.sources
    local to=/etc/apt/sources.list.d/debian-src.sources
    [[ -f $from ]] || die "no deb-src entry and no $from to derive one from"
    awk '
        function flush() {
            if (body != "") { if (n++) print ""; print "Types: deb-src"; printf "%s", body }
            body = ""; keep = 0
        }
        /^[[:space:]]*$/ { flush(); next }
        /^#/ { next }
        /^[ \t]/ { if (keep) body = body $0 "\n"; next }
        {
            field = tolower($0); sub(/:.*/, "", field)
            keep = (field == "uris" || field == "suites" || field == "components" || field == "signed-by")
            if (keep) body = body $0 "\n"
        }
        END { flush() }
    ' "$from" >"$to.tmp"
    grep -q '^URIs:' "$to.tmp" || { rm -f "$to.tmp"; die "could not derive deb-src entry from $from"; }
    mv "$to.tmp" "$to"
    say "added $to"
    APT_UPDATED=0
    apt_update_once
}

# The versions of every source package apt knows, in all suites: a new
# Debian upload changes the key.
source_versions() {
    local p
    for p in "${SOURCE_PACKAGES[@]}"; do
        apt-cache showsrc --only-source "$p" 2>/dev/null | awk -v p="$p" '/^Version:/ { print p, $2 }'
    done | sort -u
}

print_key() {
    local versions
    versions=$(source_versions)
    if [[ $(wc -l <<<"$versions") -lt ${#SOURCE_PACKAGES[@]} ]]; then
        apt_update_once  # the package lists may predate the deb-src entry
        versions=$(source_versions)
    fi
    [[ $(wc -l <<<"$versions") -ge ${#SOURCE_PACKAGES[@]} ]] || die "apt knows no source versions"
    printf '%s\n%s\n' "$SCRIPT_HASH" "$versions" | sha256sum | cut -c1-16
}

ensure_tools
if ! have_deb_src; then
    add_deb_src
fi
if [[ $KEY_ONLY -eq 1 ]]; then
    print_key >&3
    exit 0
fi

# ---------------------------------------------------------------- sources

newest_dsc() {
    # newest cached .dsc of source package $1, or nothing
    local f
    f=$(cd "$SRC_CACHE" && ls -1 "$1"_*.dsc 2>/dev/null | sort -V | tail -n1) || true
    if [[ -n $f ]]; then echo "$SRC_CACHE/$f"; fi
}

fetch_sources() {
    mkdir -p "$SRC_CACHE"
    (
        flock 9
        local -a want=()
        local p
        for p in "${SOURCE_PACKAGES[@]}"; do
            [[ -n $(newest_dsc "$p") ]] || want+=("$p/$SUITE")
        done
        [[ ${#want[@]} -eq 0 ]] && exit 0
        say "downloading sources: ${want[*]}"
        local log=$SRC_CACHE/download.log
        if ! (cd "$SRC_CACHE" && apt-get source --download-only "${want[@]}") >"$log" 2>&1; then
            # the package lists may predate the deb-src entry
            apt_update_once
            (cd "$SRC_CACHE" && apt-get source --download-only "${want[@]}") >>"$log" 2>&1 \
                || { tail -n 30 "$log" >&2; die "apt-get source failed (log: $log)"; }
        fi
    ) 9>"$SRC_CACHE/.lock"
}

# unpack NAME -> prints the source directory
unpack() {
    local pkg=$1 dsc dir
    dsc=$(newest_dsc "$pkg")
    [[ -n $dsc ]] || die "no source package for $pkg in $SRC_CACHE"
    dir=$WORK/src/$pkg
    rm -rf "$dir"
    mkdir -p "$WORK/src"
    dpkg-source -x "$dsc" "$dir" >>"$LOGS/$pkg.unpack.log" 2>&1 \
        || { tail -n 30 "$LOGS/$pkg.unpack.log" >&2; die "dpkg-source -x $dsc failed"; }
    basename "$dsc" .dsc >>"$PREFIX/SOURCES"
    echo "$dir"
}

fetch_sources

# ---------------------------------------------------------------- build setup

rm -f "$PREFIX/.complete" "$PREFIX/SOURCES"
rm -rf "$PREFIX/include" "$PREFIX/lib" "$PREFIX/bin" "$PREFIX/share" "$WORK"
mkdir -p "$PREFIX/include" "$PREFIX/lib" "$LOGS"

CC_BIN=$(command -v "$HOST-gcc-posix")
CXX_BIN=$(command -v "$HOST-g++-posix")
AR_BIN=$(command -v "$HOST-ar")
RANLIB_BIN=$(command -v "$HOST-ranlib")
RC_BIN=$(command -v "$HOST-windres")
# The optimisation level goes into CMAKE_C_FLAGS, not the Release flags:
# libjpeg-turbo rewrites -O2 in CMAKE_C_FLAGS_RELEASE to -O3.
OPT_LEVEL="-O2"
OPT_FLAGS="$OPT_LEVEL -DNDEBUG"

TOOLCHAIN=$WORK/toolchain-$ARCH.cmake
cat >"$TOOLCHAIN" <<EOF
# generated by tools/build-mingw-deps.sh
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR $ARCH)
set(CMAKE_C_COMPILER $CC_BIN)
set(CMAKE_CXX_COMPILER $CXX_BIN)
set(CMAKE_RC_COMPILER $RC_BIN)
set(CMAKE_AR $AR_BIN CACHE FILEPATH "")
set(CMAKE_RANLIB $RANLIB_BIN CACHE FILEPATH "")
# Only our own PREFIX is searched: neither host libraries nor the
# DLL import libraries of Debian's mingw packages can be picked up.
set(CMAKE_FIND_ROOT_PATH $PREFIX)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
EOF

# keep pkg-config (if any) away from the host's .pc files
export PKG_CONFIG_PATH=
export PKG_CONFIG_LIBDIR=$PREFIX/lib/pkgconfig
export PKG_CONFIG_SYSROOT_DIR=

# run LOGNAME CMD... with all output in the log; on failure show its tail
run() {
    local name=$1; shift
    echo "+ $*" >>"$LOGS/$name.log"
    if ! "$@" >>"$LOGS/$name.log" 2>&1; then
        echo "---- last lines of $LOGS/$name.log ----" >&2
        tail -n 40 "$LOGS/$name.log" >&2
        die "$name failed"
    fi
}

cmake_configure() {
    local name=$1 src=$2 bld=$3; shift 3
    run "$name" cmake -S "$src" -B "$bld" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$TOOLCHAIN" \
        -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_C_FLAGS="$OPT_LEVEL" \
        -DCMAKE_C_FLAGS_RELEASE="-DNDEBUG" \
        -DCMAKE_INSTALL_PREFIX="$PREFIX" \
        -DCMAKE_INSTALL_LIBDIR:PATH=lib \
        -DCMAKE_INSTALL_INCLUDEDIR:PATH=include \
        -DCMAKE_INSTALL_BINDIR:PATH=bin \
        -DCMAKE_PREFIX_PATH="$PREFIX" \
        "$@"
}

step_start() { STEP_T0=$SECONDS; say "$1 ..."; }
step_done() { say "$1 done ($((SECONDS - STEP_T0))s)"; }

T0=$SECONDS
say "building into $PREFIX"

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
run libwebp cmake --build "$bld" --target webp
cp "$bld/libwebp.a" "$PREFIX/lib/"
mkdir -p "$PREFIX/include/webp"
cp "$src/src/webp/decode.h" "$src/src/webp/encode.h" "$src/src/webp/types.h" "$PREFIX/include/webp/"
step_done libwebp

# ---------------------------------------------------------------- jbigkit
# jbigkit only has a Makefile; compile the library sources directly.
step_start jbigkit
src=$(unpack jbigkit)
bld=$WORK/jbigkit
mkdir -p "$bld"
for f in jbig jbig_ar; do
    run jbigkit "$CC_BIN" $OPT_FLAGS -I"$src/libjbig" -c "$src/libjbig/$f.c" -o "$bld/$f.o"
done
run jbigkit "$AR_BIN" rcs "$bld/libjbig.a" "$bld/jbig.o" "$bld/jbig_ar.o"
cp "$bld/libjbig.a" "$PREFIX/lib/"
cp "$src/libjbig/jbig.h" "$src/libjbig/jbig_ar.h" "$PREFIX/include/"
step_done jbigkit

CODEC_ARGS=(
    -DLIBLZMA_LIBRARY:FILEPATH="$PREFIX/lib/liblzma.a" -DLIBLZMA_INCLUDE_DIR:PATH="$PREFIX/include"
    -DZSTD_LIBRARY_RELEASE:FILEPATH="$PREFIX/lib/libzstd.a" -DZSTD_INCLUDE_DIR:PATH="$PREFIX/include"
    -DWebP_LIBRARY_RELEASE:FILEPATH="$PREFIX/lib/libwebp.a" -DWebP_INCLUDE_DIR:PATH="$PREFIX/include"
    -DJBIG_LIBRARY_RELEASE:FILEPATH="$PREFIX/lib/libjbig.a" -DJBIG_INCLUDE_DIR:PATH="$PREFIX/include"
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
    -Dlzma=ON -Dzstd=ON -Dwebp=ON -Djbig=ON -Dlerc=OFF -Dlibdeflate=OFF
run libtiff cmake --build "$bld"
run libtiff cmake --install "$bld"
for codec in LZMA ZSTD WEBP JBIG; do
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
for f in libz.a libjpeg.a libpng16.a libgif.a libtiff.a liblzma.a libzstd.a libwebp.a libjbig.a; do
    [[ -f $PREFIX/lib/$f ]] || die "missing lib/$f"
done
if compgen -G "$PREFIX/lib/*.dll.a" >/dev/null || compgen -G "$PREFIX/bin/*.dll" >/dev/null; then
    die "a DLL or import library was installed"
fi

echo "$STAMP_TEXT" >"$PREFIX/.complete"
say "done in $((SECONDS - T0))s"
