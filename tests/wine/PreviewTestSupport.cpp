#include "PreviewTestSupport.h"

#include "PictureTestSupport.h"
#include "tests/native/picdec/writers/HandBuiltPictures.h"

std::string WriteDepthBmp(const ScratchFolder& folder, const std::string& name, int width, int height, int bits,
                          bool withPixels)
{
    using namespace picdec::samples;
    BmpPlan plan;
    plan.width = width;
    plan.height = height;
    plan.bitsPerPixel = bits;
    if (bits <= 8)
        plan.palette = PatternPalette(1 << bits);
    const std::size_t rowBytes = (static_cast<std::size_t>(width) * static_cast<std::size_t>(bits) + 31) / 32 * 4;
    plan.pixels.resize(withPixels ? rowBytes * static_cast<std::size_t>(height) : 0);
    for (std::size_t i = 0; i < plan.pixels.size(); ++i)
        plan.pixels[i] = static_cast<std::uint8_t>(i * 7 + i / rowBytes);
    return WriteBytes(folder / name, BmpFile(plan));
}

HBITMAP BitmapOf(const TPicView& view)
{
    const TBitmap* bitmap = view.Picture().HeldBitmap();
    return bitmap ? bitmap->Handle() : nullptr;
}
