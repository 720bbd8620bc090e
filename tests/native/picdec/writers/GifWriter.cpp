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

// The rows in stored order: the four passes of an interlaced picture.
std::vector<int> StoredRows(const GifPlan& plan)
{
    std::vector<int> rows;
    for (const auto& [first, step] : plan.interlaced ? std::vector<std::pair<int, int>>{{0, 8}, {4, 8}, {2, 4}, {1, 2}}
                                                     : std::vector<std::pair<int, int>>{{0, 1}})
        for (int y = first; y < plan.height; y += step)
            rows.push_back(y);
    return rows;
}

void PutColourMap(File& file, const GifPlan& plan)
{
    for (std::size_t i = 0; i < std::size_t{1} << plan.colourBits; ++i) {
        const Colour c = i < plan.palette.size() ? plan.palette[i] : Colour{};
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
    // Codes of one width, least significant bit first.
    const unsigned clear = 1u << plan.lzwCodeSize;
    std::vector<std::uint8_t> bytes;
    std::uint64_t bits = 0;
    int count = 0;
    auto put = [&](unsigned code) {
        for (bits |= static_cast<std::uint64_t>(code) << count, count += plan.lzwCodeSize + 1; count >= 8;
             count -= 8, bits >>= 8)
            bytes.push_back(static_cast<std::uint8_t>(bits));
    };
    for (std::size_t i = 0; i < plan.indices.size(); ++i) {
        if (i % 128 == 0)
            put(clear);
        put(plan.indices[i]);
    }
    put(clear + 1);
    if (count > 0)
        bytes.push_back(static_cast<std::uint8_t>(bits));
    for (std::size_t at = 0; at < bytes.size(); at += 255) {  // in sub-blocks
        const std::size_t size = std::min<std::size_t>(255, bytes.size() - at);
        file.push_back(static_cast<std::uint8_t>(size));
        file.insert(file.end(), bytes.begin() + static_cast<std::ptrdiff_t>(at),
                    bytes.begin() + static_cast<std::ptrdiff_t>(at + size));
    }
    file.insert(file.end(), {0, 0x3B});
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
    std::vector<GifColorType> colours(std::size_t{1} << plan.colourBits);
    for (std::size_t i = 0; i < plan.palette.size() && i < colours.size(); ++i)
        colours[i] = GifColorType{plan.palette[i].red, plan.palette[i].green, plan.palette[i].blue};
    ColorMapObject* map = GifMakeMapObject(static_cast<int>(colours.size()), colours.data());
    EGifPutScreenDesc(gif, plan.screenWidth, plan.screenHeight, plan.colourBits, plan.background,
                      plan.localColourMap ? nullptr : map);
    if (plan.transparent >= 0) {
        GraphicsControlBlock control{DISPOSAL_UNSPECIFIED, false, 0, plan.transparent};
        GifByteType extension[4];
        EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(EGifGCBToExtension(&control, extension)),
                         extension);
    }
    EGifPutImageDesc(gif, plan.left, plan.top, plan.width, plan.height, plan.interlaced,
                     plan.localColourMap ? map : nullptr);
    for (const int y : StoredRows(plan))
        EGifPutLine(gif, const_cast<GifPixelType*>(plan.indices.data() + static_cast<std::size_t>(y * plan.width)),
                    plan.width);
    EGifCloseFile(gif, &error);
    GifFreeMapObject(map);
    return file;
}

}  // namespace picdec::samples
