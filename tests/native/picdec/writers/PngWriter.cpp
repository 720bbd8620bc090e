#include <png.h>

#include "tests/native/picdec/writers/EncodedPictures.h"

namespace picdec::samples {

namespace {

void Append(png_structp png, png_bytep data, std::size_t size)
{
    auto* file = static_cast<File*>(png_get_io_ptr(png));
    file->insert(file->end(), data, data + size);
}

}  // namespace

File PngFile(const PngPlan& plan)
{
    File file;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    png_set_write_fn(png, &file, Append, [](png_structp) {});
    png_set_IHDR(png, info, plan.width, plan.height, plan.bitDepth, plan.colourType,
                 plan.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    if (!plan.palette.empty()) {
        std::vector<png_color> colours;
        for (const Colour& c : plan.palette)
            colours.push_back(png_color{c.red, c.green, c.blue});
        png_set_PLTE(png, info, colours.data(), static_cast<int>(colours.size()));
    }
    if (!plan.paletteAlpha.empty())
        png_set_tRNS(png, info, plan.paletteAlpha.data(), static_cast<int>(plan.paletteAlpha.size()), nullptr);
    if (plan.transparentGrey >= 0) {
        png_color_16 grey{0, 0, 0, 0, static_cast<png_uint_16>(plan.transparentGrey)};
        png_set_tRNS(png, info, nullptr, 0, &grey);
    }
    if (!plan.iccProfile.empty())
        png_set_iCCP(png, info, "profile", PNG_COMPRESSION_TYPE_BASE, plan.iccProfile.data(),
                     static_cast<png_uint_32>(plan.iccProfile.size()));
    if (plan.gamma != 0)
        png_set_gAMA(png, info, plan.gamma);
    if (plan.chromaticities.size() == 8) {
        const std::vector<double>& c = plan.chromaticities;
        png_set_cHRM(png, info, c[0], c[1], c[2], c[3], c[4], c[5], c[6], c[7]);
    }
    if (plan.srgbChunk)
        png_set_sRGB(png, info, PNG_sRGB_INTENT_PERCEPTUAL);
    std::vector<png_bytep> rows;
    for (const auto& row : plan.rows)
        rows.push_back(const_cast<png_bytep>(row.data()));
    png_set_rows(png, info, rows.data());
    png_write_png(png, info, PNG_TRANSFORM_IDENTITY, nullptr);
    png_destroy_write_struct(&png, &info);
    return file;
}

}  // namespace picdec::samples
