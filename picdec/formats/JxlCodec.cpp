#include "picdec/formats/JxlCodec.h"

#include <string>
#include <vector>

#include "picdec/CheckedSize.h"
#include "picdec/DecodeLimits.h"
#include "picdec/formats/JxlSession.h"
#include "picdec/formats/RgbSamples.h"

namespace picdec {

namespace {

RgbSampleLayout LayoutOf(const JxlBasicInfo& info)
{
    // libjxl spreads deeper (and floating-point) samples over 16 bits.
    const bool deep = info.bits_per_sample > 8 || info.exponent_bits_per_sample > 0;
    return {.bitsPerSample = deep ? 16 : 8, .alpha = info.alpha_bits > 0,
            .premultiplied = info.alpha_bits > 0 && info.alpha_premultiplied};
}

Status OpenShape(Bytes file, JxlSession& session)
{
    if (const Status status = session.Open(file); status != Status::Ok)
        return status;
    return session.Info().xsize == 0 || session.Info().ysize == 0 ? Status::EmptyPicture : Status::Ok;
}

// libjxl keeps the picture in floating point while it decodes, beside the
// samples it hands over: together they stay within the picture limit too.
Status CheckWorkingMemory(const JxlSession& session, const RgbSampleLayout& layout)
{
    const CheckedSize pixels = CheckedSize(session.Info().xsize) * session.Info().ysize;
    const CheckedSize total = pixels * static_cast<std::uint32_t>(16 + SamplePixelBytes(layout));
    return total.AtMost(DecodeLimits{}.maxBitmapBytes) ? Status::Ok : Status::BitmapTooLarge;
}

std::string DescriptionOf(const JxlBasicInfo& info)
{
    std::string text = "JPEG XL";
    if (info.bits_per_sample > 8)
        text += ", " + std::to_string(info.bits_per_sample) + "-bit";
    if (info.alpha_bits > 0)
        text += ", alpha";
    return info.have_animation ? text + ", animation" : text;
}

// 8-bit red-green-blue rows padded as the bitmap's are: libjxl writes them
// into the bitmap's own memory, which then only needs its rows turned over
// and red and blue swapped, without a second copy of the picture.
Status DecodeIntoBitmap(JxlSession& session, const DibView& target)
{
    const JxlPixelFormat format{3, JXL_TYPE_UINT8, JXL_LITTLE_ENDIAN, 4};
    if (const Status status = session.DecodeFirstFrame(format, target.bits, target.SizeInBytes()); status != Status::Ok)
        return status;
    TurnRgbRowsIntoBitmap(target);
    return Status::Ok;
}

}  // namespace

Status ReadJxlInfo(Bytes file, PictureInfo& info)
{
    JxlSession session;
    if (const Status status = OpenShape(file, session); status != Status::Ok)
        return status;
    info.format = PictureFormat::Jxl;
    info.width = session.ShownWidth();
    info.height = session.ShownHeight();
    const bool alpha = session.Info().alpha_bits > 0;
    if (session.Info().num_color_channels == 1 && !alpha)
        SetIndexedDepth(info, 1, 8);  // grey, as a grey PNG or JPEG says
    else
        SetColourDepth(info, alpha);
    info.paletteSize = 0;
    info.description = ShortDescription(DescriptionOf(session.Info()));
    info.nativeBitsPerPixel = 24;
    info.palette = {};
    info.colour.icc = session.Profile();
    return Status::Ok;
}

Status DecodeJxl(Bytes file, const PictureInfo& info, const DibView& target)
{
    JxlSession session;
    if (const Status status = OpenShape(file, session); status != Status::Ok)
        return status;
    const std::uint32_t width = session.ShownWidth();
    const std::uint32_t height = session.ShownHeight();
    if (target.bitsPerPixel != 24 || width != info.width || height != info.height)
        return Status::CorruptData;
    const RgbSampleLayout layout = LayoutOf(session.Info());
    if (const Status status = CheckWorkingMemory(session, layout); status != Status::Ok)
        return status;
    if (layout.bitsPerSample == 8 && !layout.alpha)
        return DecodeIntoBitmap(session, target);
    const JxlPixelFormat format{layout.alpha ? 4u : 3u, layout.bitsPerSample > 8 ? JXL_TYPE_UINT16 : JXL_TYPE_UINT8,
                                JXL_LITTLE_ENDIAN, 0};
    std::vector<std::uint8_t> pixels;
    if (const Status status = session.DecodeFirstFrame(format, pixels); status != Status::Ok)
        return status;
    const std::size_t stride = static_cast<std::size_t>(width) * static_cast<std::size_t>(SamplePixelBytes(layout));
    for (std::uint32_t y = 0; y < height; ++y)
        WriteBgrRow(pixels.data() + y * stride, layout, width, target.Row(y));
    return Status::Ok;
}

}  // namespace picdec
