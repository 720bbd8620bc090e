#include <algorithm>

#include <gif_lib.h>

#include "tests/native/picdec/writers/EncodedPictures.h"

namespace picdec::samples {

namespace {

int Append(GifFileType* gif, const GifByteType* data, int size)
{
    auto* file = static_cast<File*>(gif->UserData);
    file->insert(file->end(), data, data + size);
    return size;
}

ColorMapObject* MakeColourMap(const GifPlan& plan)
{
    std::vector<GifColorType> colours(std::size_t{1} << plan.colourBits);
    for (std::size_t i = 0; i < plan.palette.size() && i < colours.size(); ++i)
        colours[i] = GifColorType{plan.palette[i].red, plan.palette[i].green, plan.palette[i].blue};
    return GifMakeMapObject(static_cast<int>(colours.size()), colours.data());
}

void WriteTransparency(GifFileType* gif, int index)
{
    GraphicsControlBlock control{};
    control.DisposalMode = DISPOSAL_UNSPECIFIED;
    control.TransparentColor = index;
    GifByteType extension[4];
    const std::size_t size = EGifGCBToExtension(&control, extension);
    EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(size), extension);
}

void WriteRows(GifFileType* gif, const GifPlan& plan)
{
    static constexpr int firsts[] = {0, 4, 2, 1};
    static constexpr int steps[] = {8, 8, 4, 2};
    auto put = [&](int y) {
        auto* row = const_cast<GifPixelType*>(plan.indices.data() + static_cast<std::size_t>(y * plan.width));
        EGifPutLine(gif, row, plan.width);
    };
    if (!plan.interlaced) {
        for (int y = 0; y < plan.height; ++y)
            put(y);
        return;
    }
    for (int pass = 0; pass < 4; ++pass)
        for (int y = firsts[pass]; y < plan.height; y += steps[pass])
            put(y);
}

// Codes of a fixed width, least significant bit first, in sub-blocks.
class CodeStream {
public:
    explicit CodeStream(int width) : width_(width) {}

    void Put(unsigned code)
    {
        bits_ |= static_cast<std::uint64_t>(code) << count_;
        count_ += width_;
        for (; count_ >= 8; count_ -= 8, bits_ >>= 8)
            bytes_.push_back(static_cast<std::uint8_t>(bits_));
    }

    void Finish(File& file)
    {
        if (count_ > 0)
            bytes_.push_back(static_cast<std::uint8_t>(bits_));
        for (std::size_t at = 0; at < bytes_.size(); at += 255) {
            const std::size_t size = std::min<std::size_t>(255, bytes_.size() - at);
            file.push_back(static_cast<std::uint8_t>(size));
            file.insert(file.end(), bytes_.begin() + static_cast<std::ptrdiff_t>(at),
                        bytes_.begin() + static_cast<std::ptrdiff_t>(at + size));
        }
        file.push_back(0);
    }

private:
    int width_;
    std::uint64_t bits_ = 0;
    int count_ = 0;
    std::vector<std::uint8_t> bytes_;
};

void PutColourMap(File& file, const GifPlan& plan)
{
    for (int i = 0; i < 1 << plan.colourBits; ++i) {
        const Colour c = static_cast<std::size_t>(i) < plan.palette.size() ? plan.palette[static_cast<std::size_t>(i)] : Colour{};
        file.insert(file.end(), {c.red, c.green, c.blue});
    }
}

// Every pixel as a literal code, with a clear code before every 128 of them,
// so the code table never grows far enough to widen the codes. Rows are
// written in stored order: interlaced plans give them in that order.
File HandCodedGif(const GifPlan& plan)
{
    File file{'G', 'I', 'F', '8', '9', 'a'};
    Put16(file, static_cast<unsigned>(plan.screenWidth));
    Put16(file, static_cast<unsigned>(plan.screenHeight));
    const auto mapFlags = static_cast<std::uint8_t>(0x80 | (plan.colourBits - 1));
    file.insert(file.end(), {static_cast<std::uint8_t>(plan.localColourMap ? 0 : mapFlags | (plan.colourBits - 1) << 4),
                             static_cast<std::uint8_t>(plan.background), 0});
    if (!plan.localColourMap)
        PutColourMap(file, plan);
    file.push_back(0x2C);
    for (const int value : {plan.left, plan.top, plan.width, plan.height})
        Put16(file, static_cast<unsigned>(value));
    file.push_back(static_cast<std::uint8_t>((plan.localColourMap ? mapFlags : 0) | (plan.interlaced ? 0x40 : 0)));
    if (plan.localColourMap)
        PutColourMap(file, plan);
    file.push_back(static_cast<std::uint8_t>(plan.lzwCodeSize));
    const unsigned clear = 1u << plan.lzwCodeSize;
    CodeStream codes(plan.lzwCodeSize + 1);
    for (std::size_t i = 0; i < plan.indices.size(); ++i) {
        if (i % 128 == 0)
            codes.Put(clear);
        codes.Put(plan.indices[i]);
    }
    codes.Put(clear + 1);
    codes.Finish(file);
    file.push_back(0x3B);
    return file;
}

}  // namespace

File GifFile(const GifPlan& plan)
{
    if (plan.lzwCodeSize != 0)
        return HandCodedGif(plan);
    File file;
    int error = 0;
    GifFileType* gif = EGifOpen(&file, Append, &error);
    EGifSetGifVersion(gif, true);
    ColorMapObject* map = MakeColourMap(plan);
    EGifPutScreenDesc(gif, plan.screenWidth, plan.screenHeight, plan.colourBits, plan.background,
                      plan.localColourMap ? nullptr : map);
    if (plan.transparent >= 0)
        WriteTransparency(gif, plan.transparent);
    EGifPutImageDesc(gif, plan.left, plan.top, plan.width, plan.height, plan.interlaced,
                     plan.localColourMap ? map : nullptr);
    WriteRows(gif, plan);
    EGifCloseFile(gif, &error);
    GifFreeMapObject(map);
    return file;
}

}  // namespace picdec::samples
