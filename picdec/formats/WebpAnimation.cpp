#include "picdec/formats/WebpAnimation.h"

#include <algorithm>
#include <cstring>
#include <memory>

#include <webp/demux.h>

#include "picdec/CheckedSize.h"
#include "picdec/Palette.h"

namespace picdec {

namespace {

struct DemuxerRelease {
    void operator()(WebPDemuxer* demuxer) const { WebPDemuxDelete(demuxer); }
};

class FirstFrame {
public:
    explicit FirstFrame(WebPDemuxer* demuxer) : found_(WebPDemuxGetFrame(demuxer, 1, &iterator_) != 0) {}
    ~FirstFrame() { WebPDemuxReleaseIterator(&iterator_); }
    FirstFrame(const FirstFrame&) = delete;
    FirstFrame& operator=(const FirstFrame&) = delete;

    bool Found() const { return found_; }
    const WebPIterator& operator*() const { return iterator_; }

private:
    WebPIterator iterator_{};
    bool found_;
};

void FillWhite(const DibView& target)
{
    for (std::uint32_t y = 0; y < target.height; ++y)
        std::memset(target.Row(y), 0xFF, static_cast<std::size_t>(target.width) * 3);
}

// So the frame's pixels are no more than the canvas's, which the limits allowed.
bool WithinCanvas(const WebPIterator& frame, const DibView& canvas)
{
    return frame.width > 0 && frame.height > 0 && frame.x_offset >= 0 && frame.y_offset >= 0 &&
           (CheckedSize(static_cast<std::uint32_t>(frame.x_offset)) + static_cast<std::uint32_t>(frame.width))
               .AtMost(canvas.width) &&
           (CheckedSize(static_cast<std::uint32_t>(frame.y_offset)) + static_cast<std::uint32_t>(frame.height))
               .AtMost(canvas.height);
}

// The frame's blue-green-red-alpha rows on the white canvas.
void Place(const std::uint8_t* bgra, const WebPIterator& frame, std::uint32_t rows, const DibView& target)
{
    const auto left = static_cast<std::uint32_t>(frame.x_offset);
    const auto top = static_cast<std::uint32_t>(frame.y_offset);
    const auto width = static_cast<std::uint32_t>(frame.width);
    for (std::uint32_t y = 0; y < rows; ++y) {
        const std::uint8_t* in = bgra + static_cast<std::size_t>(y) * static_cast<std::size_t>(frame.width) * 4;
        std::uint8_t* out = target.Row(top + y) + static_cast<std::size_t>(left) * 3;
        for (std::uint32_t x = 0; x < width; ++x, in += 4, out += 3) {
            out[0] = OnWhite(in[0], in[3]);
            out[1] = OnWhite(in[1], in[3]);
            out[2] = OnWhite(in[2], in[3]);
        }
    }
}

}  // namespace

WebpResult DecodeFirstFrame(Bytes file, const DibView& target)
{
    const WebPData data{file.data(), file.size()};
    const std::unique_ptr<WebPDemuxer, DemuxerRelease> demuxer(WebPDemux(&data));
    if (!demuxer)
        return {Status::CorruptData, 0};
    const FirstFrame frame(demuxer.get());
    if (!frame.Found())
        return {Status::CorruptData, 0};
    if (!WithinCanvas(*frame, target))
        return {Status::CorruptData, 0};
    const CheckedSize stride = CheckedSize(static_cast<std::uint32_t>((*frame).width)) * 4;
    const CheckedSize size = stride * static_cast<std::uint32_t>((*frame).height);
    const auto bgra = std::make_unique_for_overwrite<std::uint8_t[]>(SizeForAllocation(size));
    const Bytes fragment((*frame).fragment.bytes, (*frame).fragment.size);
    const WebpResult result = RunWebpDecode(fragment, {.mode = MODE_BGRA, .pixels = bgra.get(),
                                                       .size = static_cast<std::size_t>(size.Value()),
                                                       .stride = static_cast<int>(stride.Value())});
    FillWhite(target);
    Place(bgra.get(), *frame, result.rowsDone, target);
    const auto top = static_cast<std::uint32_t>((*frame).y_offset);
    return {result.status, result.status == Status::Ok ? target.height : std::min(target.height, top + result.rowsDone)};
}

}  // namespace picdec
