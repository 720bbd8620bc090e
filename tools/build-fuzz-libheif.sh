#!/usr/bin/env bash
# Builds, for the fuzzers, the libheif that LIBHEIF.DLL is: Debian bookworm's
# source package with its patches and ours (tools/patches/), here natively
# with clang, ASan + UBSan and the fuzzer's coverage, on Debian's own libde265
# and dav1d (and x265, with which the seed corpus is written). Done once per content of this script and the patches (a stamp).
#
#   tools/build-fuzz-libheif.sh PREFIX
#
# PREFIX receives include/libheif/ and lib/libheif.so.
set -euo pipefail

tools=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
prefix=$1
"$tools/install-packages.sh" clang libde265-dev libdav1d-dev libx265-dev dpkg-dev

key=$(cat "$0" "$tools"/patches/libheif-*.patch | sha256sum | cut -c1-16)
stamp=$prefix/.built-$key
[ -e "$stamp" ] && exit 0

work=$prefix-work
rm -rf "$prefix" "$work"
mkdir -p "$work"
(cd "$work" && apt-get source --download-only libheif/bookworm) >"$work/download.log" 2>&1 \
    || { tail -n 20 "$work/download.log" >&2; exit 1; }
dpkg-source -x "$(ls "$work"/libheif_*.dsc | sort -V | tail -n1)" "$work/src" >"$work/unpack.log" 2>&1
for patch in "$tools"/patches/libheif-*.patch; do
    patch -p1 -d "$work/src" -i "$patch" >>"$work/unpack.log"
done

flags="-fsanitize=address,undefined,fuzzer-no-link -fno-sanitize-recover=undefined -fno-omit-frame-pointer -g -O1"
cmake -S "$work/src" -B "$work/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_C_FLAGS="$flags" -DCMAKE_CXX_FLAGS="$flags" \
    -DCMAKE_INSTALL_PREFIX="$prefix" -DBUILD_SHARED_LIBS=ON -DENABLE_PLUGIN_LOADING=OFF \
    -DWITH_LIBDE265=ON -DWITH_LIBDE265_PLUGIN=OFF -DWITH_DAV1D=ON -DWITH_DAV1D_PLUGIN=OFF \
    -DWITH_X265=ON -DWITH_AOM_DECODER=OFF -DWITH_AOM_ENCODER=OFF -DWITH_RAV1E=OFF -DWITH_SvtEnc=OFF \
    -DWITH_EXAMPLES=OFF -DWITH_GDK_PIXBUF=OFF -DCMAKE_DISABLE_FIND_PACKAGE_Doxygen=ON >"$work/configure.log" 2>&1 \
    || { tail -n 30 "$work/configure.log" >&2; exit 1; }
cmake --build "$work/build" >"$work/build.log" 2>&1 || { tail -n 30 "$work/build.log" >&2; exit 1; }
cmake --install "$work/build" >>"$work/build.log" 2>&1
touch "$stamp"  # the sources stay in $work, for the sanitizers' reports
