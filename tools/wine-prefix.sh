#!/bin/sh
# Creates the Wine prefix for tests and runs once (idempotent):
#   tools/wine-prefix.sh PREFIX
# Needs DISPLAY. Without a window manager Wine waits 2 s for every hidden or
# destroyed top-level window unless the X11 driver is told it is unmanaged.
set -eu
prefix=$(realpath -m "$1")

# Wine draws the caption buttons with its Marlett font, which Debian's Wine
# does not load from its own font folder (the buttons then show the letters
# 0, 1 and r); a copy in the prefix's Fonts folder is found. Prefixes made
# before this get it too.
add_marlett() {
    fonts="$prefix/drive_c/windows/Fonts"
    if [ -d "$fonts" ] && [ ! -f "$fonts/marlett.ttf" ]; then
        cp /usr/share/wine/fonts/marlett.ttf "$fonts/" 2>/dev/null || echo "Marlett not found: caption buttons show letters" >&2
    fi
}

# A network share without a drive letter for the tests: \\lumo-server\share
# is the folder C:\lumo-share (Wine looks up \\SERVER\SHARE in dosdevices/unc).
add_network_share() {
    if [ -d "$prefix/drive_c" ] && [ ! -e "$prefix/dosdevices/unc/lumo-server/share" ]; then
        mkdir -p "$prefix/drive_c/lumo-share" "$prefix/dosdevices/unc/lumo-server"
        ln -sfn ../../../drive_c/lumo-share "$prefix/dosdevices/unc/lumo-server/share"
    fi
}

export WINEPREFIX="$prefix" WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d;winhlp32.exe=d"

# A prefix made before Wine's 32-bit loader was installed lacks the 32-bit
# system files, and an update does not add them: it is made anew.
bits=64
[ -x /usr/lib/wine/wine ] && bits=32+64
if [ -f "$prefix/.lumoscope-ready" ]; then
    if [ "$(cat "$prefix/.lumoscope-ready")" = "$bits" ]; then
        add_marlett
        add_network_share
        exit 0
    fi
    /usr/lib/wine/wineserver -k 2>/dev/null || true
    rm -rf "$prefix"
fi
mkdir -p "$prefix"
/usr/lib/wine/wine64 wineboot -i >"$prefix/../wineboot.log" 2>&1
/usr/lib/wine/wine64 reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >>"$prefix/../wineboot.log" 2>&1
# Serif text in Times New Roman: Liberation Serif has the same metrics.
/usr/lib/wine/wine64 reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'Times New Roman' /d 'Liberation Serif' /f \
    >>"$prefix/../wineboot.log" 2>&1
/usr/lib/wine/wineserver -w
add_marlett
add_network_share
echo "$bits" >"$prefix/.lumoscope-ready"
