// Bitmap resources, read without the image library.
#include <vector>

#include "framework/Handles.h"
#include "imagelib/ImageLib.h"

namespace {

HMODULE ModuleNamed(const std::string& moduleName)
{
    return moduleName.empty() ? ::GetModuleHandleA(nullptr) : ::GetModuleHandleA(moduleName.c_str());
}

HRSRC FindBitmapResource(HMODULE module, const std::string& resourceName)
{
    if (auto number = ResourceNumber(resourceName))
        return ::FindResourceA(module, MAKEINTRESOURCEA(static_cast<WORD>(*number)), reinterpret_cast<LPCSTR>(RT_BITMAP));
    return ::FindResourceA(module, resourceName.c_str(), reinterpret_cast<LPCSTR>(RT_BITMAP));
}

// The resource's colour table as a palette; none for pictures without one.
UniquePalette PaletteOf(const std::uint8_t* dib, const DibLayout& layout)
{
    if (layout.colorCount == 0)
        return {};
    std::vector<unsigned char> record(sizeof(LOGPALETTE) + layout.colorCount * sizeof(PALETTEENTRY));
    auto* palette = reinterpret_cast<LOGPALETTE*>(record.data());
    palette->palVersion = 0x300;
    palette->palNumEntries = static_cast<WORD>(layout.colorCount);
    for (int i = 0; i < layout.colorCount; ++i) {
        const std::uint8_t* entry = dib + layout.colorsOffset + static_cast<std::size_t>(i) * layout.colorEntrySize;
        palette->palPalEntry[i] = PALETTEENTRY{entry[2], entry[1], entry[0], 0};
    }
    return UniquePalette(::CreatePalette(palette));
}

HBITMAP CreateDeviceBitmap(HWND window, const std::uint8_t* dib, const DibLayout& layout, HPALETTE palette)
{
    WindowDC dc(window);
    HPALETTE previous = nullptr;
    if (palette) {
        previous = ::SelectPalette(dc.get(), palette, FALSE);
        ::RealizePalette(dc.get());
    }
    HBITMAP bitmap = ::CreateDIBitmap(dc.get(), reinterpret_cast<const BITMAPINFOHEADER*>(dib), CBM_INIT,
                                      dib + layout.bitsOffset, reinterpret_cast<const BITMAPINFO*>(dib), DIB_RGB_COLORS);
    if (previous)
        ::SelectPalette(dc.get(), previous, FALSE);
    return bitmap;
}

} // namespace

bool ReadResourceBitmap(const std::string& moduleName, const std::string& resourceName, HWND window, TBitmap& bitmap)
{
    HMODULE module = ModuleNamed(moduleName);
    HRSRC resource = module ? FindBitmapResource(module, resourceName) : nullptr;
    HGLOBAL loaded = resource ? ::LoadResource(module, resource) : nullptr;
    const auto* dib = loaded ? static_cast<const std::uint8_t*>(::LockResource(loaded)) : nullptr;
    if (!dib)
        return false;
    DibLayout layout = GetDIBColorsAndBits(dib, ::SizeofResource(module, resource));
    if (layout.bitsOffset == 0)
        return false;
    UniquePalette palette = PaletteOf(dib, layout);
    bitmap.SetHandle(CreateDeviceBitmap(window, dib, layout, palette.get()));
    bitmap.SetPalette(palette.release());
    return true;
}
