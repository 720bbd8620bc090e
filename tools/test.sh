#!/bin/bash
# Installs what is missing, builds everything (native, Windows x86_64 and
# i686) and runs every test: native, then under Wine in a private display.
set -euo pipefail
. "$(dirname "$0")/build-all.sh"
. "$repo/tools/xvfb.sh"

prepare
build_native
build_windows x86_64
build_windows i686

prefix="$repo/build/x86_64/wineprefix"
export WINEPREFIX="$prefix"
/usr/lib/wine/wineserver -k 2>/dev/null || true  # a server left from another display
cleanup() {
    /usr/lib/wine/wineserver -k 2>/dev/null || true
    stop_display
}
trap cleanup EXIT
start_display
"$repo/tools/wine-prefix.sh" "$prefix"
/usr/lib/wine/wineserver -p  # one server for all test processes

status=0
ctest --test-dir "$repo/build/native" --output-on-failure -j2 || status=1
ctest --test-dir "$repo/build/x86_64" --output-on-failure --timeout 300 || status=1
exit $status
