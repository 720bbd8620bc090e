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

ColorMapObject* MakeColourMap(const GifSpec& spec)
{
    std::vector<GifColorType> colours(std::size_t{1} << spec.colourBits);
    for (std::size_t i = 0; i < spec.palette.size() && i < colours.size(); ++i)
        colours[i] = GifColorType{spec.palette[i].red, spec.palette[i].green, spec.palette[i].blue};
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

void WriteRows(GifFileType* gif, const GifSpec& spec)
{
    static constexpr int firsts[] = {0, 4, 2, 1};
    static constexpr int steps[] = {8, 8, 4, 2};
    auto put = [&](int y) {
        auto* row = const_cast<GifPixelType*>(spec.indices.data() + static_cast<std::size_t>(y * spec.width));
        EGifPutLine(gif, row, spec.width);
    };
    if (!spec.interlaced) {
        for (int y = 0; y < spec.height; ++y)
            put(y);
        return;
    }
    for (int pass = 0; pass < 4; ++pass)
        for (int y = firsts[pass]; y < spec.height; y += steps[pass])
            put(y);
}

}  // namespace

File GifFile(const GifSpec& spec)
{
    File file;
    int error = 0;
    GifFileType* gif = EGifOpen(&file, Append, &error);
    EGifSetGifVersion(gif, true);
    ColorMapObject* map = MakeColourMap(spec);
    EGifPutScreenDesc(gif, spec.screenWidth, spec.screenHeight, spec.colourBits, spec.background,
                      spec.localColourMap ? nullptr : map);
    if (spec.transparent >= 0)
        WriteTransparency(gif, spec.transparent);
    EGifPutImageDesc(gif, spec.left, spec.top, spec.width, spec.height, spec.interlaced,
                     spec.localColourMap ? map : nullptr);
    WriteRows(gif, spec);
    EGifCloseFile(gif, &error);
    GifFreeMapObject(map);
    return file;
}

}  // namespace picdec::samples
