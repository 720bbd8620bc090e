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

}  // namespace

File GifFile(const GifPlan& plan)
{
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
