#include "framework/DibTransfer.h"

#include <cstring>
#include <cstdlib>
#include <vector>

#include "framework/DibSize.h"
#include "framework/DibLayout.h"

namespace {

// A BITMAPINFO with room for the largest colour table.
struct InfoBuffer {
    InfoBuffer() : bytes(sizeof(BITMAPINFOHEADER) + 256 * sizeof(RGBQUAD)) {}
    BITMAPINFO* get() { return reinterpret_cast<BITMAPINFO*>(bytes.data()); }
    std::vector<unsigned char> bytes;
};

int ClipboardBitCount(const BITMAP& info)
{
    int bits = info.bmPlanes * info.bmBitsPixel;
    switch (bits) {
    case 1: case 4: case 8: case 16: case 24: case 32: return bits;
    default: return 24;
    }
}

UniquePalette PaletteFromTable(const RGBQUAD* table, int count)
{
    if (count <= 0)
        return {};
    std::vector<unsigned char> record(sizeof(LOGPALETTE) + count * sizeof(PALETTEENTRY));
    auto* palette = reinterpret_cast<LOGPALETTE*>(record.data());
    palette->palVersion = 0x300;
    palette->palNumEntries = static_cast<WORD>(count);
    for (int i = 0; i < count; ++i)
        palette->palPalEntry[i] = PALETTEENTRY{table[i].rgbRed, table[i].rgbGreen, table[i].rgbBlue, 0};
    return UniquePalette(::CreatePalette(palette));
}

bool IsUncompressedFormat(const BITMAPINFOHEADER& header)
{
    switch (header.biBitCount) {
    case 1: case 4: case 8: case 24: return header.biCompression == BI_RGB;
    case 16: case 32: return header.biCompression == BI_RGB || header.biCompression == BI_BITFIELDS;
    default: return false;
    }
}

} // namespace

UniqueGlobal PackedDibOf(HBITMAP bitmap, HPALETTE palette)
{
    BITMAP info{};
    if (!bitmap || !::GetObjectA(bitmap, sizeof info, &info))
        return {};
    const int bitCount = ClipboardBitCount(info);
    const std::size_t tableBytes = bitCount <= 8 ? (std::size_t{1} << bitCount) * sizeof(RGBQUAD) : 0;
    auto pixelBytes = DibPixelBytes(info.bmWidth, info.bmHeight, bitCount);
    if (!pixelBytes || *pixelBytes > SIZE_MAX / 2)
        return {};
    const std::size_t headerBytes = sizeof(BITMAPINFOHEADER) + tableBytes;
    UniqueGlobal memory(::GlobalAlloc(GMEM_MOVEABLE, headerBytes + static_cast<std::size_t>(*pixelBytes)));
    auto* dib = memory ? static_cast<unsigned char*>(::GlobalLock(memory.get())) : nullptr;
    if (!dib)
        return {};
    auto* header = reinterpret_cast<BITMAPINFOHEADER*>(dib);
    *header = BITMAPINFOHEADER{};
    header->biSize = sizeof(BITMAPINFOHEADER);
    header->biWidth = info.bmWidth;
    header->biHeight = info.bmHeight;
    header->biPlanes = 1;
    header->biBitCount = static_cast<WORD>(bitCount);
    header->biCompression = BI_RGB;
    header->biSizeImage = static_cast<DWORD>(*pixelBytes);
    int lines = 0;
    {
        WindowDC screen(nullptr);
        SelectedPalette selected(screen.get(), palette, SelectedPalette::kRealise);
        lines = ::GetDIBits(screen.get(), bitmap, 0, static_cast<UINT>(info.bmHeight), dib + headerBytes,
                            reinterpret_cast<BITMAPINFO*>(dib), DIB_RGB_COLORS);
    }
    ::GlobalUnlock(memory.get());
    if (lines != info.bmHeight)
        return {};
    return memory;
}

HBITMAP DuplicateDibSection(HBITMAP bitmap, const DIBSECTION& section)
{
    InfoBuffer info;
    BITMAPINFO* bitmapInfo = info.get();
    bitmapInfo->bmiHeader = section.dsBmih;
    bitmapInfo->bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    if (section.dsBmih.biCompression == BI_BITFIELDS) {
        std::memcpy(bitmapInfo->bmiColors, section.dsBitfields, sizeof section.dsBitfields);
    } else if (section.dsBmih.biBitCount <= 8) {
        UniqueMemoryDC dc(::CreateCompatibleDC(nullptr));
        SelectedObject selected(dc.get(), bitmap);
        bitmapInfo->bmiHeader.biClrUsed = ::GetDIBColorTable(dc.get(), 0, 256, bitmapInfo->bmiColors);
    }
    void* bits = nullptr;
    HBITMAP copy = ::CreateDIBSection(nullptr, bitmapInfo, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!copy)
        return nullptr;
    ::GdiFlush();
    const std::size_t bytes =
        static_cast<std::size_t>(section.dsBm.bmWidthBytes) * static_cast<std::size_t>(std::abs(section.dsBm.bmHeight));
    std::memcpy(bits, section.dsBm.bmBits, bytes);
    return copy;
}

bool BitmapFromPackedDib(const std::uint8_t* dib, std::size_t size, UniqueBitmap& bitmap, UniquePalette& palette)
{
    if (!dib || size < sizeof(BITMAPINFOHEADER))
        return false;
    BITMAPINFOHEADER header;
    std::memcpy(&header, dib, sizeof header);
    const DibLayout layout = GetDIBColorsAndBits(dib, size);
    if (layout.bitsOffset == 0 || header.biSize < sizeof header || header.biWidth <= 0 || header.biHeight == 0 ||
        header.biHeight == INT32_MIN || header.biPlanes != 1 || !IsUncompressedFormat(header))
        return false;
    auto pixelBytes = DibPixelBytes(header.biWidth, std::abs(static_cast<std::int64_t>(header.biHeight)),
                                    header.biBitCount);
    if (!pixelBytes || *pixelBytes > size - layout.bitsOffset)
        return false;
    void* bits = nullptr;
    UniqueBitmap section(::CreateDIBSection(nullptr, reinterpret_cast<const BITMAPINFO*>(dib), DIB_RGB_COLORS, &bits,
                                            nullptr, 0));
    if (!section)
        return false;
    ::GdiFlush();
    std::memcpy(bits, dib + layout.bitsOffset, static_cast<std::size_t>(*pixelBytes));
    palette = PaletteFromTable(reinterpret_cast<const RGBQUAD*>(dib + layout.colorsOffset), layout.colorCount);
    bitmap = std::move(section);
    return true;
}
