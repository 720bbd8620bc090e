#include "picdec/formats/HeifCodec.h"

#include <string>

#include "picdec/CheckedSize.h"
#include "picdec/ClearRows.h"
#include "picdec/DecodeLimits.h"
#include "picdec/formats/RgbSamples.h"
#include "picdec/formats/HeifSession.h"

namespace picdec {

namespace {

struct HeifShape {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    RgbSampleLayout layout;
};

Status ReadShape(const HeifSession& session, HeifShape& shape)
{
    const HeifApi& api = session.Api();
    const int width = api.handleWidth(session.Primary());
    const int height = api.handleHeight(session.Primary());
    const int bits = api.handleLumaBits(session.Primary());
    if (width <= 0 || height <= 0)
        return Status::EmptyPicture;
    if (bits < 8 || bits > 16)
        return Status::UnsupportedVariant;
    shape.width = static_cast<std::uint32_t>(width);
    shape.height = static_cast<std::uint32_t>(height);
    shape.layout.bitsPerSample = bits;
    shape.layout.alpha = api.handleHasAlpha(session.Primary()) != 0;
    return Status::Ok;
}

// libheif holds the coded planes and its own interleaved copy while the
// bitmap exists: together they stay within the picture limit as well.
Status CheckWorkingMemory(const HeifShape& shape)
{
    const CheckedSize pixels = CheckedSize(shape.width) * shape.height;
    const CheckedSize copy = pixels * static_cast<std::uint32_t>(SamplePixelBytes(shape.layout));
    const CheckedSize planes = pixels * static_cast<std::uint32_t>(shape.layout.bitsPerSample > 8 ? 8 : 4);
    const CheckedSize total = copy + planes;
    return total.AtMost(DecodeLimits{}.maxBitmapBytes) ? Status::Ok : Status::BitmapTooLarge;
}

std::string DescriptionOf(PictureFormat format, const RgbSampleLayout& layout)
{
    std::string text = format == PictureFormat::Avif ? "AV1" : "HEVC";
    if (layout.bitsPerSample > 8)
        text += ", " + std::to_string(layout.bitsPerSample) + "-bit";
    return layout.alpha ? text + ", alpha" : text;
}

Status OpenShape(Bytes file, HeifSession& session, HeifShape& shape)
{
    if (const Status opened = session.Open(file); opened != Status::Ok)
        return opened;
    return ReadShape(session, shape);
}

Status CopyRows(const HeifSession& session, const heif_image* image, const HeifShape& shape, const DibView& target)
{
    const HeifApi& api = session.Api();
    if (api.imageWidth(image, heif_channel_interleaved) != static_cast<int>(shape.width) ||
        api.imageHeight(image, heif_channel_interleaved) != static_cast<int>(shape.height))
        return Status::CorruptData;
    int stride = 0;
    const std::uint8_t* pixels = api.planeReadonly(image, heif_channel_interleaved, &stride);
    if (!pixels || stride <= 0)
        return Status::CorruptData;
    RgbSampleLayout layout = shape.layout;
    layout.premultiplied = layout.alpha && api.imageIsPremultiplied(const_cast<heif_image*>(image)) != 0;
    for (std::uint32_t y = 0; y < shape.height; ++y)
        WriteBgrRow(pixels + static_cast<std::size_t>(y) * static_cast<std::size_t>(stride), layout, shape.width,
                    target.Row(y));
    return Status::Ok;
}

}  // namespace

Status ReadHeifInfo(Bytes file, PictureInfo& info)
{
    HeifSession session;
    HeifShape shape;
    if (const Status status = OpenShape(file, session, shape); status != Status::Ok)
        return status;
    info.format = DetectFormat(file) == PictureFormat::Avif ? PictureFormat::Avif : PictureFormat::Heif;
    info.width = shape.width;
    info.height = shape.height;
    SetColourDepth(info, shape.layout.alpha);
    info.paletteSize = 0;
    info.description = DescriptionOf(info.format, shape.layout);
    info.nativeBitsPerPixel = 24;
    info.palette = {};
    info.colour = session.Colours();
    return Status::Ok;
}

Status DecodeHeif(Bytes file, const PictureInfo& info, const DibView& target)
{
    HeifSession session;
    HeifShape shape;
    if (const Status status = OpenShape(file, session, shape); status != Status::Ok)
        return status;
    if (target.bitsPerPixel != 24 || shape.width != info.width || shape.height != info.height)
        return Status::CorruptData;
    if (const Status status = CheckWorkingMemory(shape); status != Status::Ok)
        return status;
    HeifImage image;
    if (const Status status = session.Decode(shape.layout.alpha, shape.layout.bitsPerSample > 8, image);
        status != Status::Ok)
        return status;
    return CopyRows(session, image.get(), shape, target);
}

}  // namespace picdec
