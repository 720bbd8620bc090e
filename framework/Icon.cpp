#include "framework/Icon.h"

#include "framework/Bitmap.h"
#include "framework/ErrorText.h"
#include "framework/Exceptions.h"

namespace {

SIZE IconSize(HICON icon)
{
    ICONINFO info{};
    if (!::GetIconInfo(icon, &info))
        return SIZE{0, 0};
    UniqueBitmap color(info.hbmColor);
    UniqueBitmap mask(info.hbmMask);
    BITMAP bitmap{};
    if (color) {
        ::GetObjectA(color.get(), sizeof bitmap, &bitmap);
        return SIZE{bitmap.bmWidth, bitmap.bmHeight};
    }
    // A monochrome icon: mask and picture stacked in one bitmap.
    ::GetObjectA(mask.get(), sizeof bitmap, &bitmap);
    return SIZE{bitmap.bmWidth, bitmap.bmHeight / 2};
}

} // namespace

void TIcon::LoadFromFile(const std::string& fileName)
{
    auto icon = static_cast<HICON>(::LoadImageA(nullptr, fileName.c_str(), IMAGE_ICON, 0, 0, LR_LOADFROMFILE));
    if (!icon)
        throw EInvalidGraphic(InvalidIconText(fileName));
    icon_ = std::make_shared<const UniqueIcon>(icon);
    SIZE size = IconSize(icon);
    width_ = size.cx;
    height_ = size.cy;
    Changed();
}

void TIcon::Draw(TCanvas& canvas, const RECT& rect) const
{
    if (icon_)
        ::DrawIconEx(canvas.Handle(), rect.left, rect.top, icon_->get(), rect.right - rect.left,
                     rect.bottom - rect.top, 0, nullptr, DI_NORMAL);
}

ClipboardData TIcon::ClipboardFormats() const
{
    if (Empty())
        return {};
    TBitmap bitmap;
    bitmap.SetSize(width_, height_);
    Draw(bitmap.Canvas(), RECT{0, 0, width_, height_});
    return bitmap.ClipboardFormats();
}
