#include "PreviewTestSupport.h"

#include "PictureTestSupport.h"
#include "tests/native/picdec/writers/HandBuiltPictures.h"

std::string WriteBmp(const ScratchFolder& folder, const std::string& name, int width, int height, bool withPixels)
{
    picdec::samples::BmpPlan plan;
    plan.width = width;
    plan.height = height;
    plan.pixels.assign(withPixels ? static_cast<std::size_t>((width * 3 + 3) / 4 * 4 * height) : 0, 0x80);
    return WriteBytes(folder / name, picdec::samples::BmpFile(plan));
}

HBITMAP BitmapOf(const TPicView& view)
{
    const TBitmap* bitmap = view.Picture().HeldBitmap();
    return bitmap ? bitmap->Handle() : nullptr;
}
