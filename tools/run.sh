#!/bin/bash
# Installs what is missing, builds the Windows x86_64 program and starts it
# under Wine with the sample picture it draws into the build tree (when no
# other arguments are given). Without a display it runs
# headless under Xvfb: it waits for the picture to be shown, presses
# STRETCH so the whole picture fits the preview, saves a screenshot into
# the build tree, prints its path and ends the program.
set -euo pipefail
. "$(dirname "$0")/build-lib.sh"
. "$repo/tools/xvfb.sh"

prepare
build_windows x86_64 LUMSC32 LumoPressButton lumo_sample_picture

sample="$repo/build/x86_64/samples/sample.jpg"
if [ $# -eq 0 ] && [ -f "$sample" ]; then
    set -- "Z:$(realpath "$sample" | tr / '\\')"
fi

headless=0
[ -z "${DISPLAY:-}" ] && headless=1
prefix="$repo/build/x86_64/wineprefix"
export WINEPREFIX="$prefix"
/usr/lib/wine/wineserver -k 2>/dev/null || true  # a server left from another display
start_display
"$repo/tools/wine-prefix.sh" "$prefix"

program="$repo/build/x86_64/bin/LUMSC32.EXE"
if [ $headless -eq 0 ]; then
    exec "$repo/tools/wine-run.sh" "$prefix" "$program" "$@"
fi

trap '/usr/lib/wine/wineserver -k 2>/dev/null || true; stop_display' EXIT
"$repo/tools/wine-run.sh" "$prefix" "$program" "$@" &
for _ in $(seq 300); do
    xwininfo -root -tree 2>/dev/null | grep -q '"Lumoscope32 - ' && break
    sleep 0.1
done
if [ $# -gt 0 ]; then
    # The caption names the picture once it is shown.
    name=$(basename "${1//\\//}" | tr '[:lower:]' '[:upper:]')
    "$repo/tools/wine-run.sh" "$prefix" "$repo/build/x86_64/bin/LumoPressButton.exe" \
        "Lumoscope32 - [$name]" "&STRETCH" || echo "the picture was not shown" >&2
fi
sleep 1  # let it paint
screenshot="$repo/build/screenshot.png"
import -window root "$screenshot"
echo "$screenshot"
