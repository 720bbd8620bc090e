#!/bin/sh
# Creates the Wine prefix for tests and runs once (idempotent):
#   tools/wine-prefix.sh PREFIX
# Needs DISPLAY. Without a window manager Wine waits 2 s for every hidden or
# destroyed top-level window unless the X11 driver is told it is unmanaged.
set -eu
prefix=$(realpath -m "$1")
[ -f "$prefix/.lumoscope-ready" ] && exit 0
export WINEPREFIX="$prefix" WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d;winhlp32.exe=d"
mkdir -p "$prefix"
/usr/lib/wine/wine64 wineboot -i >"$prefix/../wineboot.log" 2>&1
/usr/lib/wine/wine64 reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >>"$prefix/../wineboot.log" 2>&1
# Serif text in Times New Roman: Liberation Serif has the same metrics.
/usr/lib/wine/wine64 reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'Times New Roman' /d 'Liberation Serif' /f \
    >>"$prefix/../wineboot.log" 2>&1
/usr/lib/wine/wineserver -w
touch "$prefix/.lumoscope-ready"
