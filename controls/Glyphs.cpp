#include "controls/Glyphs.h"

#include <stdexcept>
#include <string>

UniqueBitmap LoadGlyph(const char* resourceName)
{
    UniqueBitmap glyph(::LoadBitmapA(::GetModuleHandleA(nullptr), resourceName));
    if (!glyph)
        throw std::runtime_error(std::string("Bitmap resource missing: ") + resourceName);
    return glyph;
}

SIZE GlyphSize(HBITMAP glyph)
{
    BITMAP info{};
    if (!glyph || !::GetObjectA(glyph, sizeof info, &info))
        return SIZE{0, 0};
    return SIZE{info.bmWidth, info.bmHeight};
}

void DrawGlyphTransparent(HDC dc, HBITMAP glyph, int left, int top)
{
    SIZE size = GlyphSize(glyph);
    UniqueMemoryDC source(::CreateCompatibleDC(dc));
    SelectedObject selected(source.get(), glyph);
    COLORREF transparent = ::GetPixel(source.get(), 0, size.cy - 1);
    ::GdiTransparentBlt(dc, left, top, size.cx, size.cy, source.get(), 0, 0, size.cx, size.cy, transparent);
}
