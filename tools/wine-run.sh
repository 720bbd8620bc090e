#!/bin/sh
# Runs a Windows program under Wine with the project's settings:
#   tools/wine-run.sh WINEPREFIX PROGRAM [ARGS...]
# A 32-bit program runs through Wine's 32-bit loader. Output goes through a
# file (a pipe can hang with a persistent wineserver) and loses Wine's
# carriage returns.
prefix=$(realpath -m "$1")
shift
export WINEPREFIX="$prefix" WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d;winhlp32.exe=d"
# Wine's Recycle Bin is the desktop's trash folder: the prefix keeps its own.
export XDG_DATA_HOME="$prefix/xdg-data"
mkdir -p "$XDG_DATA_HOME"
loader=/usr/lib/wine/wine64
if [ -f "$1" ]; then
    header=$(od -A n -t u4 -j 60 -N 4 "$1" | tr -d ' ')
    machine=$(od -A n -t x2 -j $((header + 4)) -N 2 "$1" 2>/dev/null | tr -d ' ')
    [ "$machine" = 014c ] && loader=/usr/lib/wine/wine
fi
out=$(mktemp)
"$loader" "$@" >"$out" 2>&1 </dev/null
rc=$?
tr -d '\r' <"$out"
rm -f "$out"
exit $rc
