#include <algorithm>
#include <utility>

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

// The file as giflib writes it up to the image data, then every pixel as a
// literal code with a clear code before every 128 of them, so the code
// table never grows far enough to widen the codes.
File WideCodeGif(GifPlan plan)
{
    const int codeSize = std::exchange(plan.lzwCodeSize, 0);
    File file = GifFile(plan);
    file.resize(13 + 10 + (std::size_t{3} << plan.colourBits));  // header, colour map, image descriptor
    file.push_back(static_cast<std::uint8_t>(codeSize));
    // Codes of one width, least significant bit first.
    const unsigned clear = 1u << codeSize;
    std::vector<std::uint8_t> bytes;
    std::uint64_t bits = 0;
    int count = 0;
    auto put = [&](unsigned code) {
        for (bits |= static_cast<std::uint64_t>(code) << count, count += codeSize + 1; count >= 8; count -= 8, bits >>= 8)
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
        return WideCodeGif(plan);
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
