#!/bin/bash
# Installs what is missing, builds everything (native, native 32-bit,
# Windows x86_64 and i686) and runs every test: native, then under Wine in a
# private display. Where this machine cannot run 32-bit programs, the 32-bit
# tests are skipped with one line and the rest runs.
set -euo pipefail
. "$(dirname "$0")/build-lib.sh"
. "$repo/tools/xvfb.sh"

prepare
arches=(x86_64)
if prepare_32bit; then
    arches+=(i686)
    build_native32
fi
build_native
build_windows x86_64
[[ " ${arches[*]} " == *" i686 "* ]] || export LUMO_TESTS=OFF
build_windows i686
unset LUMO_TESTS

cleanup() {
    for arch in "${arches[@]}"; do
        WINEPREFIX="$repo/build/$arch/wineprefix" /usr/lib/wine/wineserver -k 2>/dev/null || true
    done
    stop_display
}
trap cleanup EXIT
cleanup  # servers left from another display
start_display
for arch in "${arches[@]}"; do
    "$repo/tools/wine-prefix.sh" "$repo/build/$arch/wineprefix"
    WINEPREFIX="$repo/build/$arch/wineprefix" /usr/lib/wine/wineserver -p  # one server for all test processes
done

status=0
ctest --test-dir "$repo/build/native" --output-on-failure -j2 || status=1
if [ -d "$repo/build/native32" ] && [[ " ${arches[*]} " == *" i686 "* ]]; then
    ctest --test-dir "$repo/build/native32" --output-on-failure -j2 || status=1
fi
for arch in "${arches[@]}"; do
    ctest --test-dir "$repo/build/$arch" --output-on-failure --timeout 300 || status=1
done
"$repo/tools/test-ratio.sh"  # informational
exit $status
