#include "TestSupport.h"

PixelCanvas::PixelCanvas(int width, int height) : width_(width), height_(height)
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    dc_.reset(::CreateCompatibleDC(nullptr));
    bitmap_.reset(::CreateDIBSection(dc_.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    bits_ = static_cast<const DWORD*>(bits);
    selection_.emplace(dc_.get(), bitmap_.get());
}

COLORREF PixelCanvas::At(int x, int y) const
{
    ::GdiFlush();
    DWORD pixel = bits_[y * width_ + x];
    return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}

int PixelCanvas::Count(COLORREF colour) const { return width_ * height_ - CountOther(colour, {0, 0, width_, height_}); }

int PixelCanvas::CountOther(COLORREF colour, const RECT& area) const
{
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            count += At(x, y) != colour;
    return count;
}
