#pragma once
// The decode core's front door, one call per library entry:
//
//   ReadPictureInfo  fills a PictureInfo (the information entry's values);
//   ReadPicture      decodes into a bitmap that the sink creates.
//
// Resolution codes: 24 gives 24-bit true colour; 8, 4 and 1 give 8, 4 and 1
// bits per pixel with at most 256, 16 and 2 colours chosen from the picture
// (its own colours when they fit, otherwise a quantised palette, mapped with
// Floyd-Steinberg dithering when dither is set, else to the nearest colour);
// 0 gives the picture's own depth: paletted pictures keep their palette at 1,
// 4 or 8 bits (2-bit pictures become 4-bit), all others are 24-bit, alpha
// composed on white.
//
// True-colour pictures whose file describes their colours (an embedded
// profile) are converted to the display's colours before any reduction.
//
// The sink is asked for exactly one bitmap, after the header was checked
// against the limits; a decode that fails part-way still leaves the rows it
// decoded there, and the failure is returned.

#include <span>

#include "picdec/BitmapSink.h"
#include "picdec/DecodeLimits.h"
#include "picdec/PictureInfo.h"
#include "picdec/formats/Codec.h"

namespace picdec {

struct ReadRequest {
    int resolution = 0;
    bool dither = false;
    // Unknown accepts any format; otherwise other formats fail with WrongFormat.
    PictureFormat expected = PictureFormat::Unknown;
    DecodeLimits limits;
    // The display's ICC profile; empty for sRGB.
    std::span<const std::uint8_t> displayProfile;
};

Status ReadPictureInfo(Bytes file, PictureInfo& info, PictureFormat expected = PictureFormat::Unknown);

Status ReadPicture(Bytes file, const ReadRequest& request, BitmapSink& sink);

// Bits per pixel a resolution code gives for a picture of this own depth;
// 0 for an invalid code.
int OutputDepth(int nativeBitsPerPixel, int resolution);

}  // namespace picdec
