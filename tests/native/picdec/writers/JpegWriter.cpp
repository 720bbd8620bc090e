#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include <jpeglib.h>

#include "tests/native/picdec/writers/EncodedPictures.h"

namespace picdec::samples {

namespace {

// "ICC_PROFILE", the piece's number from 1 and the count, then its bytes.
void WriteIccPieces(jpeg_compress_struct& jpeg, const JpegOptions& options)
{
    const std::vector<std::uint8_t>& profile = options.iccProfile;
    const std::size_t count = (profile.size() + options.iccPieceBytes - 1) / options.iccPieceBytes;
    for (std::size_t i = 0; i < count; ++i) {
        std::vector<JOCTET> piece{'I', 'C', 'C', '_', 'P', 'R', 'O', 'F', 'I', 'L', 'E', 0};
        piece.push_back(static_cast<JOCTET>(i + 1));
        piece.push_back(static_cast<JOCTET>(count));
        const std::size_t from = i * options.iccPieceBytes;
        const std::size_t to = std::min(profile.size(), from + options.iccPieceBytes);
        piece.insert(piece.end(), profile.begin() + static_cast<std::ptrdiff_t>(from),
                     profile.begin() + static_cast<std::ptrdiff_t>(to));
        jpeg_write_marker(&jpeg, JPEG_APP0 + 2, piece.data(), static_cast<unsigned>(piece.size()));
    }
}

}  // namespace

File JpegFile(const RgbPicture& picture, const JpegOptions& options)
{
    jpeg_compress_struct jpeg{};
    jpeg_error_mgr errors{};
    jpeg.err = jpeg_std_error(&errors);
    jpeg_create_compress(&jpeg);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&jpeg, &buffer, &size);
    jpeg.image_width = picture.width;
    jpeg.image_height = picture.height;
    jpeg.input_components = options.grey ? 1 : options.cmyk ? 4 : 3;
    jpeg.in_color_space = options.grey ? JCS_GRAYSCALE : options.cmyk ? JCS_CMYK : JCS_RGB;
    jpeg_set_defaults(&jpeg);
    jpeg_set_quality(&jpeg, options.quality, TRUE);
    if (options.cmyk) {
        jpeg_set_colorspace(&jpeg, options.ycck ? JCS_YCCK : JCS_CMYK);
        jpeg.write_Adobe_marker = options.adobeMarker ? TRUE : FALSE;
    }
    if (!options.grey && !options.cmyk)
        jpeg.comp_info[0].h_samp_factor = jpeg.comp_info[0].v_samp_factor = options.fullChroma ? 1 : 2;
    if (options.progressive)
        jpeg_simple_progression(&jpeg);
    jpeg_start_compress(&jpeg, TRUE);
    if (options.exifOrientation != 0) {
        // An Exif block whose first directory, little-endian at 8, holds only the orientation as one SHORT.
        const JOCTET exif[] = {'E', 'x', 'i', 'f', 0, 0, 'I', 'I', 42, 0, 8, 0, 0, 0, 1, 0, 0x12, 0x01, 3, 0, 1, 0, 0, 0,
                               static_cast<JOCTET>(options.exifOrientation), 0, 0, 0, 0, 0, 0, 0};
        jpeg_write_marker(&jpeg, JPEG_APP0 + 1, exif, sizeof exif);
    }
    WriteIccPieces(jpeg, options);
    for (std::uint32_t y = 0; y < picture.height; ++y) {
        std::vector<JSAMPLE> row;
        for (std::uint32_t x = 0; x < picture.width; ++x) {
            const Colour c = picture.At(x, y);
            if (options.grey)
                row.push_back(c.green);
            else if (options.cmyk && !options.adobeMarker)  // the inks themselves, no black
                row.insert(row.end(), {static_cast<JSAMPLE>(255 - c.red), static_cast<JSAMPLE>(255 - c.green),
                                       static_cast<JSAMPLE>(255 - c.blue), 0});
            else
                row.insert(row.end(), {c.red, c.green, c.blue});
            if (options.cmyk && options.adobeMarker)
                row.push_back(255);  // inverted CMYK without black ink stores the RGB values
        }
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&jpeg, rows, 1);
    }
    jpeg_finish_compress(&jpeg);
    File file(buffer, buffer + size);
    jpeg_destroy_compress(&jpeg);
    std::free(buffer);
    return file;
}

}  // namespace picdec::samples
