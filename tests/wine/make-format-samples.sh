#!/bin/bash
# Writes the HEIF, AVIF, JPEG XL and WebP pictures the Wine tests show, each made by
# Debian's own encoder, and beside each the picture its reference decoder
# makes of it (NAME.png):
# Variants: lossy, lossless, alpha, 10 and 12 bits, turned and mirrored, a grid.
# And pictures in Adobe RGB and Display P3 (JPEG, PNG, TIFF, WebP, AVIF), each beside
# ImageMagick's conversion of it to sRGB (Little CMS, through its own code);
# and CMYK ones (JPEG and TIFF, with a CMYK profile of their own and without
# one, which ImageMagick converts through the library's built-in profile).
#   tests/wine/make-format-samples.sh OUTDIR BUILT-IN-CMYK-PROFILE
set -euo pipefail
out=$1
builtin_cmyk=$2
here=$(cd "$(dirname "$0")" && pwd)
rm -rf "$out.tmp"
mkdir -p "$out.tmp"
cd "$out.tmp"

# The sources: a seeded plasma (the same every run), with an alpha ramp, at 16 bits.
convert -seed 7 -size 96x64 plasma:fractal -depth 8 PNG24:photo.png
convert photo.png \( -size 64x96 gradient:white-black -rotate 90 \) -alpha off -compose CopyOpacity -composite \
    PNG32:alpha.png
convert -seed 7 -size 96x64 plasma:fractal -depth 16 PNG48:deep.png
convert -seed 9 -size 256x128 plasma:fractal -depth 8 PNG24:wide.png
convert photo.png -colorspace Gray -type Grayscale -depth 8 -define png:color-type=0 grey.png

heif() { heif-enc "$@" >/dev/null; }
avif() { avifenc "$@" >/dev/null; }
heif -q 85 photo.png -o heic-lossy.heic
heif -L -p chroma=444 --matrix_coefficients=0 photo.png -o heic-lossless.heic
heif -q 85 alpha.png -o heic-alpha.heic
heif -q 85 -b 10 deep.png -o heic-10bit.heic
avif --min 20 --max 30 photo.png avif-lossy.avif
avif -l photo.png avif-lossless.avif
avif --min 10 --max 20 alpha.png avif-alpha.avif
avif -d 10 deep.png avif-10bit.avif
avif -d 12 deep.png avif-12bit.avif
avif --grid 2x2 wide.png avif-grid.avif
avif --irot 1 --imir 1 photo.png avif-turned.avif
avif -d 10 --irot 3 --imir 0 deep.png avif-turned-10bit.avif
cjxl --quiet -d 1 photo.png jxl-lossy.jxl
cjxl --quiet -d 0 photo.png jxl-lossless.jxl
cjxl --quiet -d 1 alpha.png jxl-alpha.jxl
cjxl --quiet -d 0 deep.png jxl-16bit.jxl
cjxl --quiet -d 0 grey.png jxl-grey.jxl
cwebp -quiet -q 80 photo.png -o webp-lossy.webp
cwebp -quiet -lossless photo.png -o webp-lossless.webp
cwebp -quiet -q 80 alpha.png -o webp-alpha.webp

# The plasma's samples taken as Adobe RGB and as Display P3: ImageMagick's
# first -profile embeds the profile without converting.
icc=/usr/share/color/icc/ghostscript
cp "$icc/a98.icc" adobe-rgb.icc
"$here/write-display-p3.py" display-p3.icc
for space in adobe-rgb display-p3; do
    convert photo.png -profile $space.icc $space.png
    convert $space.png -quality 100 $space.jpg
    convert $space.png $space.tif
    cwebp -quiet -lossless -metadata icc $space.png -o $space.webp
    avif -l --icc $space.icc photo.png $space.avif
done
# Inks by Ghostscript's CMYK profile (embedded), and the same inks without it.
convert photo.png -profile "$icc/srgb.icc" -profile "$icc/default_cmyk.icc" -quality 100 cmyk-profile.jpg
convert cmyk-profile.jpg cmyk-profile.tif
convert cmyk-profile.jpg +profile icc -quality 100 cmyk-none.jpg
convert cmyk-profile.tif +profile icc cmyk-none.tif

for f in *.heic; do heif-convert "$f" "$f.png" >/dev/null; done
for f in avif-lossy avif-lossless avif-alpha avif-10bit avif-12bit avif-grid; do
    avifdec -d 8 "$f.avif" "$f.avif.png" >/dev/null
done
# avifdec leaves the turn and mirror to the viewer: they are applied here,
# as the file says (a quarter turn anticlockwise, then left and right
# exchanged; three quarters, then top and bottom).
avifdec -d 8 avif-turned.avif stored.png >/dev/null
convert stored.png -rotate -90 -flop avif-turned.avif.png
avifdec -d 8 avif-turned-10bit.avif stored.png >/dev/null
convert stored.png -rotate 90 -flip avif-turned-10bit.avif.png
for f in webp-*.webp; do dwebp -quiet "$f" -o "$f.png"; done
for f in *.jxl; do djxl --quiet "$f" "$f.png"; done
for space in adobe-rgb display-p3; do
    for f in $space.jpg $space.tif $space.png; do convert "$f" -profile "$icc/srgb.icc" "$f.png"; done
    cp $space.png.png $space.webp.png  # all lossless: the same samples
    cp $space.png.png $space.avif.png
done
for f in cmyk-profile.jpg cmyk-profile.tif; do convert "$f" -intent Relative -profile "$icc/srgb.icc" "$f.png"; done
for f in cmyk-none.jpg cmyk-none.tif; do
    convert "$f" -profile "$builtin_cmyk" -intent Relative -profile "$icc/srgb.icc" "$f.png"
done
rm -f photo.png alpha.png deep.png wide.png grey.png stored.png ./*.icc

cd ..
rm -rf "$out"
mv "$out.tmp" "$out"
