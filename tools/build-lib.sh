# A library of shell functions, sourced (not run) by the run, test, package
# and screenshot scripts: installs what is missing and builds.
#   prepare, prepare_32bit, build_native, build_native32, build_windows ARCH [TARGET...]
set -eu
repo=$(cd "$(dirname "$0")/.." && pwd)

prepare() {
    "$repo/tools/install-packages.sh"
}

# True when 32-bit programs run here; installs what the 32-bit tests need
# (Wine's 32-bit loader, the decoders for the native -m32 build).
prepare_32bit() {
    "$repo/tools/runs-32bit.sh" || return 1
    "$repo/tools/install-packages.sh" wine32:i386 libjpeg62-turbo-dev:i386 libpng-dev:i386 libgif-dev:i386 \
        libtiff-dev:i386 libwebp-dev:i386 libheif-dev:i386 libavif-dev:i386 libjxl-dev:i386 liblcms2-dev:i386
}

build_native() {
    cmake -S "$repo" -B "$repo/build/native" -G Ninja >/dev/null
    cmake --build "$repo/build/native"
}

# The portable code and its tests as a 32-bit program, with the sanitizers.
build_native32() {
    cmake -S "$repo" -B "$repo/build/native32" -G Ninja -DLUMO_SANITIZE=ON \
        -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/toolchain-native-m32.cmake" >/dev/null
    cmake --build "$repo/build/native32"
}

# The decoder libraries are built once per machine and key (the build
# script and the Debian source versions), in LUMO_CACHE (by default
# /var/cache/lumoscope32 for root, else ~/.cache/lumoscope32), outside the
# work tree: build/NAME is a link to the key's folder, so every clone shares it.
#   link_built_libraries NAME SCRIPT     (deps: the static ones, jxl: the JPEG XL
#                                         decoder, heif: the HEIF DLLs)
link_built_libraries() {
    local name=$1 script=$2 key cache
    key=$("$repo/tools/$script" --key)
    local root=/var/cache/lumoscope32
    [ "$(id -u)" -eq 0 ] || root="${XDG_CACHE_HOME:-$HOME/.cache}/lumoscope32"
    cache="${LUMO_CACHE:-$root}/$name-$key"
    mkdir -p "$cache" "$repo/build"
    if [ -d "$repo/build/$name" ] && [ ! -L "$repo/build/$name" ]; then
        rm -rf "$repo/build/$name"  # an older layout's libraries, built inside the tree
    fi
    ln -sfn "$cache" "$repo/build/$name"
}

# build_windows ARCH [TARGET...]; LUMO_TESTS=OFF in the environment leaves the tests out.
build_windows() {
    arch=$1
    shift
    link_built_libraries deps build-mingw-deps.sh
    "$repo/tools/build-mingw-deps.sh" "$arch" "$repo/build/deps/$arch"
    link_built_libraries jxl build-jxl-deps.sh
    "$repo/tools/build-jxl-deps.sh" "$arch" "$repo/build/jxl/$arch"
    link_built_libraries heif build-heif-dlls.sh
    "$repo/tools/build-heif-dlls.sh" "$arch" "$repo/build/heif/$arch"
    cmake -S "$repo" -B "$repo/build/$arch" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/toolchain-$arch-w64-mingw32.cmake" -DLUMO_TESTS="${LUMO_TESTS:-ON}" >/dev/null
    if [ $# -gt 0 ]; then
        cmake --build "$repo/build/$arch" --target "$@"
    else
        cmake --build "$repo/build/$arch"
    fi
}
