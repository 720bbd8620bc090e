#!/bin/bash
# Makes the CMYK profile PICDEC32.DLL uses for CMYK pictures that carry none,
# and prints the folder that holds it (DefaultCmyk.icc, and copyright: the
# licence of the measurements it is made from).
#
# The profile is Fogra's FOGRA39L characterisation (offset printing on coated
# paper, ISO 12647-2, the usual European press standard), as Debian's
# icc-profiles-free ships it under the zlib licence, fitted into an ICC
# profile by colprof of Debian's Argyll CMS. It is made once per machine and
# key (this script and the versions of both packages), in the cache that
# holds the decoder libraries (see tools/build-lib.sh).
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
"$repo/tools/install-packages.sh" >&2

key=$( (cat "$0"; dpkg-query -W argyll icc-profiles-free) | sha256sum | cut -c1-16)
root=/var/cache/lumoscope32
[ "$(id -u)" -eq 0 ] || root="${XDG_CACHE_HOME:-$HOME/.cache}/lumoscope32"
out="${LUMO_CACHE:-$root}/cmyk-$key"
if [ ! -f "$out/.complete" ]; then
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
    cp /usr/share/color/icc/FOGRA39L.ti3 "$work/"
    # Medium quality; no table from colours to inks, as only inks are read.
    (cd "$work" && colprof -qm -bn -D "FOGRA39L (coated offset)" \
        -C "Made from Fogra's FOGRA39L data (zlib licence, Kai-Uwe Behrmann)" FOGRA39L >colprof.log)
    mkdir -p "$out"
    cp "$work/FOGRA39L.icc" "$out/DefaultCmyk.icc"
    cp /usr/share/doc/icc-profiles-free/copyright "$out/copyright"
    touch "$out/.complete"
fi
echo "$out"
