#include "framework/Bitmap.h"

BITMAP TBitmap::Info() const
{
    BITMAP info{};
    if (bitmap_)
        ::GetObjectA(bitmap_.get(), sizeof info, &info);
    return info;
}

int TBitmap::Width() const { return Info().bmWidth; }
int TBitmap::Height() const { return Info().bmHeight; }

void TBitmap::SetHandle(HBITMAP bitmap)
{
    if (bitmap != bitmap_.get())
        bitmap_.reset(bitmap);
}

void TBitmap::SetPalette(HPALETTE palette)
{
    if (palette != palette_.get())
        palette_.reset(palette);
}
