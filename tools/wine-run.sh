#!/bin/sh
# Runs a Windows program under Wine with the project's settings:
#   tools/wine-run.sh WINEPREFIX PROGRAM [ARGS...]
# Output goes through a file (a pipe can hang with a persistent wineserver)
# and loses Wine's carriage returns.
prefix=$(realpath -m "$1")
shift
export WINEPREFIX="$prefix" WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d;winhlp32.exe=d"
out=$(mktemp)
/usr/lib/wine/wine64 "$@" >"$out" 2>&1 </dev/null
rc=$?
tr -d '\r' <"$out"
rm -f "$out"
exit $rc
