#!/bin/bash
# Builds the release of both architectures into build/dist/:
#   Lumoscope32-VERSION-setup-x64.exe, ...-setup-x86.exe   the setup programs
#   Lumoscope32-VERSION-x64.zip, ...-x86.zip               the portable archives
#   debug/x64/, debug/x86/   the debug information of the shipped files, for
#                            crash reports (each shipped file links to its own)
# and prints the sizes of the shipped files with and without it.
#   tools/package.sh
set -euo pipefail
. "$(dirname "$0")/build-lib.sh"

prepare
dist="$repo/build/dist"
rm -rf "$dist"
mkdir -p "$dist/debug"
printf '%-5s %-13s %12s %10s\n' arch file "with debug" shipped
for arch in x86_64 i686; do
    build_windows "$arch" dist >/dev/null
    name=x64
    [ "$arch" = i686 ] && name=x86
    built="$repo/build/$arch/dist"
    cp "$built"/*.exe "$built"/*.zip "$dist/"
    cp -r "$built/debug" "$dist/debug/$name"
    for file in LUMSC32.EXE PICDEC32.DLL LMUNINST.EXE; do
        printf '%-5s %-13s %12s %10s\n' "$name" "$file" "$(stat -c %s "$repo/build/$arch/bin/$file")" \
            "$(stat -c %s "$built/files/$file")"
    done
done
echo
ls -l "$dist"
