#include "picdec/formats/TiffRgba.h"

#include <algorithm>
#include <vector>

#include "picdec/CheckedSize.h"
#include "picdec/Palette.h"
#include "picdec/formats/TiffPixels.h"

namespace picdec {

namespace {

class RgbaImage {
public:
    explicit RgbaImage(TIFF* tiff)
    {
        char message[1024] = {};
        started_ = TIFFRGBAImageBegin(&image_, tiff, 0, message) == 1;
        // Rows as stored: the caller turns the picture upright.
        image_.orientation = ORIENTATION_TOPLEFT;
        image_.req_orientation = ORIENTATION_TOPLEFT;
    }
    ~RgbaImage()
    {
        if (started_)
            TIFFRGBAImageEnd(&image_);
    }
    RgbaImage(const RgbaImage&) = delete;
    RgbaImage& operator=(const RgbaImage&) = delete;

    bool Started() const { return started_; }

    bool ReadBand(std::uint32_t firstRow, std::uint32_t rows, std::uint32_t* raster)
    {
        image_.row_offset = static_cast<int>(firstRow);
        image_.col_offset = 0;
        return TIFFRGBAImageGet(&image_, raster, image_.width, rows) == 1;
    }

private:
    TIFFRGBAImage image_{};
    bool started_ = false;
};

using Compose = std::uint8_t (*)(std::uint8_t value, std::uint8_t alpha);

std::uint8_t Opaque(std::uint8_t value, std::uint8_t) { return value; }

// libtiff premultiplies every alpha but that of chunky grey, and takes an
// unspecified fourth sample of RGB for an associated alpha, which it is not.
Compose ComposeOnWhite(const TiffLayout& layout)
{
    if (!layout.hasAlpha)
        return Opaque;
    return IsGrey(layout) && !layout.planar && !layout.associatedAlpha ? OnWhite : OnWhitePremultiplied;
}

void ToBgr(const std::uint32_t* abgr, std::uint32_t width, Compose compose, std::uint8_t* row)
{
    for (std::uint32_t x = 0; x < width; ++x) {
        const std::uint32_t pixel = abgr[x];
        const auto alpha = static_cast<std::uint8_t>(TIFFGetA(pixel));
        row[x * 3] = compose(static_cast<std::uint8_t>(TIFFGetB(pixel)), alpha);
        row[x * 3 + 1] = compose(static_cast<std::uint8_t>(TIFFGetG(pixel)), alpha);
        row[x * 3 + 2] = compose(static_cast<std::uint8_t>(TIFFGetR(pixel)), alpha);
    }
}

// Bands follow the strips or tiles, so no strip is decoded twice.
std::uint32_t BandHeight(TiffFile& file, std::uint32_t height)
{
    const std::uint32_t natural = TIFFIsTiled(file.Handle()) ? file.Tag32(TIFFTAG_TILELENGTH, 64)
                                                              : file.Tag32(TIFFTAG_ROWSPERSTRIP, height);
    return std::clamp<std::uint32_t>(natural, 1, height);
}

}  // namespace

Status DecodeTiffViaRgba(TiffFile& file, const TiffLayout& layout, const DibView& target)
{
    const Compose compose = ComposeOnWhite(layout);
    RgbaImage image(file.Handle());
    if (!image.Started())
        return Status::UnsupportedVariant;
    const std::uint32_t band = BandHeight(file, target.height);
    std::vector<std::uint32_t> raster(SizeForAllocation(CheckedSize(target.width) * band));
    for (std::uint32_t y = 0; y < target.height; y += band) {
        const std::uint32_t rows = std::min(band, target.height - y);
        // libtiff fills what it could read even when it reports a failure.
        const bool read = image.ReadBand(y, rows, raster.data());
        for (std::uint32_t r = 0; r < rows; ++r)
            ToBgr(raster.data() + static_cast<std::size_t>(r) * target.width, target.width, compose, target.Row(y + r));
        if (!read)
            return file.Failure();
    }
    return Status::Ok;
}

}  // namespace picdec
