#include "picdec/formats/GifCodec.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "picdec/PixelRows.h"
#include "picdec/formats/GifFile.h"

namespace picdec {

namespace {

struct InterlacePass {
    int first;
    int step;
};

constexpr std::array<InterlacePass, 4> kInterlacePasses{{{0, 8}, {4, 8}, {2, 4}, {1, 2}}};

// The frame's rows in the order the file stores them.
std::vector<int> RowOrder(const GifFrame& frame)
{
    std::vector<int> order;
    order.reserve(static_cast<std::size_t>(frame.height));
    if (!frame.interlaced) {
        for (int y = 0; y < frame.height; ++y)
            order.push_back(y);
        return order;
    }
    for (const InterlacePass& pass : kInterlacePasses) {
        for (int y = pass.first; y < frame.height; y += pass.step)
            order.push_back(y);
    }
    return order;
}

std::uint8_t FillIndex(const GifFile& gif, const GifFrame& frame)
{
    return static_cast<std::uint8_t>(frame.transparentIndex >= 0 ? frame.transparentIndex : gif.BackgroundIndex());
}

// Canvas rows as 8-bit indices, packed into the target as they are finished.
class GifCanvas {
public:
    GifCanvas(const DibView& target, std::uint8_t fill) : target_(target), fill_(fill), row_(target.width, fill) {}

    void FillAll()
    {
        for (std::uint32_t y = 0; y < target_.height; ++y)
            PackIndices(row_.data(), target_.width, target_.bitsPerPixel, target_.Row(y));
    }

    // Where the decoder writes a frame row; Commit packs it into the target.
    std::uint8_t* FrameRow(std::uint32_t y, int left)
    {
        if (target_.bitsPerPixel == 8)
            return target_.Row(y) + left;
        std::fill(row_.begin(), row_.end(), fill_);
        return row_.data() + left;
    }

    void Commit(std::uint32_t y)
    {
        if (target_.bitsPerPixel != 8)
            PackIndices(row_.data(), target_.width, target_.bitsPerPixel, target_.Row(y));
    }

private:
    const DibView& target_;
    std::uint8_t fill_;
    std::vector<std::uint8_t> row_;
};

}  // namespace

Status ReadGifInfo(Bytes file, PictureInfo& info)
{
    GifFile gif(file);
    GifFrame frame;
    if (const Status status = gif.OpenFirstFrame(frame); status != Status::Ok)
        return status;
    info.format = PictureFormat::Gif;
    info.width = gif.CanvasWidth(frame);
    info.height = gif.CanvasHeight(frame);
    SetIndexedDepth(info, 1, frame.colourBits);
    info.paletteSize = static_cast<int>(frame.fileColourCount);
    std::string description = gif.IsVersion89() ? "LZW, GIF89a" : "LZW, GIF87a";
    if (frame.interlaced)
        description += ", interlaced";
    info.description = ShortDescription(description);
    info.nativeBitsPerPixel = PaletteDibDepth(frame.colourBits);
    info.palette = frame.palette;
    return Status::Ok;
}

Status DecodeGif(Bytes file, const PictureInfo& info, const DibView& target)
{
    GifFile gif(file);
    GifFrame frame;
    if (const Status status = gif.OpenFirstFrame(frame); status != Status::Ok)
        return status;
    if (gif.CanvasWidth(frame) != info.width || gif.CanvasHeight(frame) != info.height ||
        target.bitsPerPixel != info.nativeBitsPerPixel)
        return Status::CorruptData;
    GifCanvas canvas(target, FillIndex(gif, frame));
    canvas.FillAll();
    for (const int y : RowOrder(frame)) {
        const auto canvasY = static_cast<std::uint32_t>(frame.top + y);
        if (const Status status = gif.ReadLine(canvas.FrameRow(canvasY, frame.left), frame.width);
            status != Status::Ok) {
            canvas.Commit(canvasY);
            return status;
        }
        canvas.Commit(canvasY);
    }
    return Status::Ok;
}

}  // namespace picdec
