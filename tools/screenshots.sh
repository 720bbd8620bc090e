#!/bin/bash
# Builds the Windows x86_64 program and saves the screenshots of the
# documentation into docs/: each one starts the real program under Wine (in
# a private Xvfb unless DISPLAY is set), in a folder of sample pictures, waits
# for its window, saves that window (or the screen) and ends the program.
#   tools/screenshots.sh
set -euo pipefail
. "$(dirname "$0")/build-lib.sh"
. "$repo/tools/xvfb.sh"

prepare
build_windows x86_64 LUMSC32 PICDEC32 LumoPressButton lumo_sample_picture

prefix="$repo/build/screenshots/wineprefix"  # its own: the shots never see test state
program="$repo/build/x86_64/bin/LUMSC32.EXE"
samples="$repo/build/screenshots/Pictures"
export WINEPREFIX="$prefix"
/usr/lib/wine/wineserver -k 2>/dev/null || true
trap '/usr/lib/wine/wineserver -k 2>/dev/null || true; stop_display' EXIT
start_display
"$repo/tools/wine-prefix.sh" "$prefix"

# A few pictures of every kind the file list shows, from ImageMagick's own.
make_samples() {
    mkdir -p "$samples"
    convert rose: -resize 300% "$samples/Rose.bmp"
    convert logo: -resize 50% "$samples/Logo.gif"
    convert wizard: "$samples/Wizard.jpg"
    convert granite: -resize 400% "$samples/Granite.pcx"
    convert netscape: -resize 300% "$samples/Colours.tif"
    cp "$repo/build/x86_64/samples/sample.jpg" "$samples/Landscape.jpg"
    heif-enc -q 85 "$samples/Landscape.jpg" -o "$samples/Phone photo.heic" >/dev/null
    # The landscape converted to Adobe RGB with its profile, and the same
    # samples with the profile left out, as a viewer that ignores it shows them.
    local icc=/usr/share/color/icc/ghostscript
    convert "$samples/Landscape.jpg" -profile "$icc/srgb.icc" -profile "$icc/a98.icc" -quality 95 \
        "$samples/Adobe RGB.jpg"
    convert "$samples/Adobe RGB.jpg" -strip "$samples/Profile ignored.jpg"
    # The landscape as a print shop's CMYK JPEG, with its CMYK profile.
    convert "$samples/Landscape.jpg" -profile "$icc/srgb.icc" -profile "$icc/default_cmyk.icc" -quality 95 \
        "$samples/Print CMYK.jpg"
}

press() {
    "$repo/tools/wine-run.sh" "$prefix" "$repo/build/x86_64/bin/LumoPressButton.exe" "$1" "$2"
}

# The X window whose name begins with TITLE, waiting up to 30 s.
wait_for_window() {
    for _ in $(seq 300); do
        window=$(xwininfo -root -tree | awk -v title="\"$1" 'index($0, title) { print $1; exit }')
        [ -n "$window" ] && { echo "$window"; return 0; }
        sleep 0.1
    done
    return 1
}

# shoot NAME TITLE [BUTTON...] [-- ARGUMENTS...]: starts the program with
# the arguments, presses the buttons in the window whose caption begins with
# TITLE and saves that window as docs/NAME.png (the whole screen when a
# button is "&FULLVIEW").
shoot() {
    local name=$1 title=$2 window buttons=() target
    shift 2
    while [ $# -gt 0 ] && [ "$1" != -- ]; do buttons+=("$1"); shift; done
    [ $# -gt 0 ] && shift
    (cd "$samples" && "$repo/tools/wine-run.sh" "$prefix" "$program" "$@" >/dev/null 2>&1) &
    local started=$!
    if ! window=$(wait_for_window "$title"); then
        echo "no window \"$title\" for $name" >&2
        return 1
    fi
    sleep 1  # let it paint
    target=$window
    for button in "${buttons[@]}"; do
        press "$title" "$button" >/dev/null &
        [ "$button" = "&FULLVIEW" ] && target=root
        sleep 2
    done
    import -window "$target" "$repo/docs/$name.png"
    echo "$repo/docs/$name.png"
    /usr/lib/wine/wineserver -k  # ends the program
    wait "$started" || true  # not a plain wait: the private Xvfb is a child too
}

make_samples
mkdir -p "$repo/docs"

# The main window, as it opens.
shoot main-window "Lumoscope32 - [Noname]"

# A picture fitted in the preview, and the same picture on the full screen.
shoot picture-in-preview "Lumoscope32 - [LANDSCAPE.JPG]" "&STRETCH" -- Landscape.jpg
shoot full-screen-view "Lumoscope32 - [LANDSCAPE.JPG]" "&FULLVIEW" -- Landscape.jpg
# A phone's HEIC photo, fitted.
shoot heic-photo-in-preview "Lumoscope32 - [PHONE PHOTO.HEIC]" "&STRETCH" -- "Phone photo.heic"
# A photo in Adobe RGB: its samples shown as if sRGB (washed out), and as its
# profile says.
shoot wide-gamut-profile-ignored "Lumoscope32 - [PROFILE IGNORED.JPG]" "&STRETCH" -- "Profile ignored.jpg"
shoot wide-gamut-in-preview "Lumoscope32 - [ADOBE RGB.JPG]" "&STRETCH" -- "Adobe RGB.jpg"
# The same photo as a CMYK JPEG for print.
shoot cmyk-print-in-preview "Lumoscope32 - [PRINT CMYK.JPG]" "&STRETCH" -- "Print CMYK.jpg"
