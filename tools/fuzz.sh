#!/usr/bin/env bash
# Builds the decode core's libFuzzer targets with clang (ASan + UBSan) and
# runs each one, starting from the seed corpus in fuzz/corpus/<target>/.
#
#   tools/fuzz.sh [--m32] [SECONDS_PER_TARGET] [TARGET...]
#
# --m32 builds and runs the targets as 32-bit programs (build/fuzz32/), where
# sizes read from a file wrap at 2^32; there they read through Debian's own
# libheif, elsewhere through ours (tools/build-fuzz-libheif.sh).
# Targets: jpeg png gif tiff bmp pcx webp heif avif jxl any (a file of any kind, by content)
# reduce icc (a colour profile) dib_layout scroll_message
# credit_message (default: all). New inputs the
# fuzzer finds go to build/fuzz/work/<target>/, crashes to build/fuzz/crashes/;
# the committed corpus is only read. Inputs are kept to 4 KiB (the seeds are
# far smaller), so large finds in the work directory do not slow every run. `tools/fuzz.sh --seeds` rewrites the
# generated seeds of the committed corpus instead, keeping the seeds added by
# hand and the regression inputs.
set -euo pipefail

repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$repo/tools/install-packages.sh" clang
build=$repo/build/fuzz
toolchain=()
if [[ ${1:-} == --m32 ]]; then
    shift
    "$repo/tools/install-packages.sh" libjpeg62-turbo-dev:i386 libpng-dev:i386 libgif-dev:i386 libtiff-dev:i386 \
        libwebp-dev:i386 libheif-dev:i386 libavif-dev:i386 libjxl-dev:i386
    build=$repo/build/fuzz32
    toolchain=(-DCMAKE_TOOLCHAIN_FILE="$repo/cmake/toolchain-native-m32.cmake")
fi
all_targets=(jpeg png gif tiff bmp pcx webp heif avif jxl any reduce icc dib_layout scroll_message credit_message)

heif=()
if [ ${#toolchain[@]} -eq 0 ]; then
    # The HEIF and AVIF targets read through libheif as we ship it (patched).
    "$repo/tools/build-fuzz-libheif.sh" "$build/libheif"
    heif=(-DHEIF_INCLUDE_DIR="$build/libheif/include" -DHEIF_LIBRARY="$build/libheif/lib/libheif.so")
fi
cmake -S "$repo/fuzz" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ "${toolchain[@]}" "${heif[@]}" >/dev/null
cmake --build "$build" >/dev/null

if [[ ${1:-} == --seeds ]]; then
    # The HEIC seeds come from x265, which keeps memory until the end.
    LSAN_OPTIONS=suppressions=$repo/tests/native/lsan-suppressions.txt "$build/make_fuzz_corpus" "$repo/fuzz/corpus"
    exit 0
fi

seconds=${1:-60}
shift || true
targets=("${@:-${all_targets[@]}}")
[[ $# -gt 0 ]] || targets=("${all_targets[@]}")

mkdir -p "$build/crashes"
for target in "${targets[@]}"; do
    work=$build/work/$target
    mkdir -p "$work"
    echo "== $target: ${seconds}s"
    corpora=("$repo/fuzz/corpus/$target")
    # A file of any kind starts from the seeds of every format.
    [ "$target" = any ] && corpora=("$repo"/fuzz/corpus/{jpeg,png,gif,tiff,bmp,pcx,webp,heif,avif,jxl})
    "$build/fuzz_$target" "$work" "${corpora[@]}" \
        -max_total_time="$seconds" -max_len=4096 -rss_limit_mb=2048 -timeout=20 \
        -artifact_prefix="$build/crashes/$target-" -print_final_stats=1 \
        >"$build/$target.log" 2>&1 || { echo "!! $target found a failure, see $build/$target.log"; }
    grep -E '^stat::number_of_executed_units|^Done' "$build/$target.log" | tail -2
done
