#include "DibSectionSink.h"

#include <vector>

namespace {

struct DibHeader {
    BITMAPINFOHEADER header;
    RGBQUAD colours[256];
};

UniquePalette CreatePaletteOf(const picdec::Palette& colours)
{
    std::vector<unsigned char> record(sizeof(LOGPALETTE) + colours.size() * sizeof(PALETTEENTRY));
    auto* palette = reinterpret_cast<LOGPALETTE*>(record.data());
    palette->palVersion = 0x300;
    palette->palNumEntries = static_cast<WORD>(colours.size());
    for (std::size_t i = 0; i < colours.size(); ++i)
        palette->palPalEntry[i] = PALETTEENTRY{colours[i].red, colours[i].green, colours[i].blue, 0};
    return UniquePalette(::CreatePalette(palette));
}

} // namespace

picdec::DibView DibSectionSink::CreateBitmap(std::uint32_t width, std::uint32_t height, int bitsPerPixel,
                                             const picdec::Palette& palette)
{
    if (palette.size() > 256)
        return {};
    DibHeader info{};
    info.header.biSize = sizeof info.header;
    info.header.biWidth = static_cast<LONG>(width);
    info.header.biHeight = static_cast<LONG>(height);
    info.header.biPlanes = 1;
    info.header.biBitCount = static_cast<WORD>(bitsPerPixel);
    info.header.biCompression = BI_RGB;
    info.header.biClrUsed = static_cast<DWORD>(palette.size());
    for (std::size_t i = 0; i < palette.size(); ++i)
        info.colours[i] = RGBQUAD{palette[i].blue, palette[i].green, palette[i].red, 0};
    void* bits = nullptr;
    bitmap_.reset(::CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap_ || !bits)
        return {};
    if (!palette.empty())
        palette_ = CreatePaletteOf(palette);
    return {static_cast<std::uint8_t*>(bits), width, height, bitsPerPixel};
}
