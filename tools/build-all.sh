# Sourced by the run and test scripts: installs what is missing and builds.
#   build_native, build_windows ARCH [TARGET...]
set -eu
repo=$(cd "$(dirname "$0")/.." && pwd)

prepare() {
    "$repo/tools/install-packages.sh"
}

build_native() {
    cmake -S "$repo" -B "$repo/build/native" -G Ninja >/dev/null
    cmake --build "$repo/build/native"
}

build_windows() {
    arch=$1
    shift
    "$repo/tools/build-mingw-deps.sh" "$arch" "$repo/build/deps/$arch"
    tests=ON
    [ "$arch" = i686 ] && tests=OFF  # the 32-bit build cannot run here
    cmake -S "$repo" -B "$repo/build/$arch" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/toolchain-$arch-w64-mingw32.cmake" -DLUMO_TESTS=$tests >/dev/null
    if [ $# -gt 0 ]; then
        cmake --build "$repo/build/$arch" --target "$@"
    else
        cmake --build "$repo/build/$arch"
    fi
}
