#include "PictureTestSupport.h"

#include <algorithm>
#include <fstream>

#include "tests/native/picdec/writers/HandBuiltPictures.h"

std::string TempFile(const std::string& name)
{
    char temp[MAX_PATH];
    ::GetTempPathA(MAX_PATH, temp);
    return std::string(temp) + name;
}

std::string WriteTextFile(const std::string& name, const std::string& content)
{
    return WriteBytes(TempFile(name), {content.begin(), content.end()});
}

std::string WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes)
{
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                static_cast<std::streamsize>(bytes.size()));
    return path;
}

std::string WriteResourceFile(const char* resource, const std::string& name)
{
    HRSRC found = ::FindResourceA(nullptr, resource, reinterpret_cast<LPCSTR>(RT_RCDATA));
    const char* data = static_cast<const char*>(::LockResource(::LoadResource(nullptr, found)));
    return WriteTextFile(name, std::string(data, ::SizeofResource(nullptr, found)));
}

std::string WriteBmpFile(const std::string& name, int width, int height, COLORREF color, std::size_t cut)
{
    std::vector<std::uint8_t> row;
    for (int x = 0; x < width; ++x)
        row.insert(row.end(), {GetBValue(color), GetGValue(color), GetRValue(color)});
    const picdec::samples::File bytes = picdec::samples::BmpFile(
        {.width = width, .height = height,
         .pixels = picdec::samples::BmpRows(std::vector(static_cast<std::size_t>(height), row))});
    return WriteTextFile(name, std::string(bytes.begin(), bytes.end() - static_cast<std::ptrdiff_t>(cut)));
}

std::string WriteWmfFile(const std::string& name, bool withEscape, bool placeable)
{
    // 16-bit words. Each record: its size in words (two words), its function, its parameters.
    std::vector<std::uint16_t> records = {
        5, 0, 0x020B, 0,   0,    // SetWindowOrg 0, 0
        5, 0, 0x020C, 100, 200,  // SetWindowExt 200 x 100 (y, x)
        7, 0, 0x02FC, 0,   0xFF, 0, 0,  // CreateBrushIndirect solid red
        4, 0, 0x012D, 0};                // SelectObject 0
    if (withEscape)  // SETABORTPROC with a "procedure"
        records.insert(records.end(), {7, 0, 0x0626, 9, 4, 0x1234, 0x5678});
    records.insert(records.end(), {7, 0, 0x041B, 100, 200, 0, 0, 3, 0, 0});  // Rectangle 0, 0, 200, 100; end
    std::vector<std::uint16_t> words;
    if (placeable)  // key, handle, bounds 0, 0, 200, 100 at 96 dpi, reserved, checksum
        words = {0xCDD7, 0x9AC6, 0, 0, 0, 200, 100, 96, 0, 0, 0};
    // Type, header size, version, file size in words, objects, largest record, unused.
    words.insert(words.end(), {1, 9, 0x300, static_cast<std::uint16_t>(9 + records.size()), 0, 1, 7, 0, 0});
    words.insert(words.end(), records.begin(), records.end());
    std::string bytes;
    for (std::uint16_t word : words)
        bytes += {static_cast<char>(word & 0xFF), static_cast<char>(word >> 8)};
    return WriteTextFile(name, bytes);
}

TBitmap MakeBitmap(int width, int height, COLORREF fill, const std::vector<std::pair<RECT, COLORREF>>& marks)
{
    TBitmap bitmap;
    bitmap.SetSize(width, height);
    TCanvas& canvas = bitmap.Canvas();
    canvas.SetBrushColor(fill);
    canvas.FillRect(RECT{0, 0, width, height});
    for (const auto& [rect, color] : marks) {
        canvas.SetBrushColor(color);
        canvas.FillRect(rect);
    }
    return bitmap;
}

PrintedView::PrintedView(TPicView& view, int width, int height)
    : PixelCanvas(width, height), width(width), height(height)
{
    ::SendMessageA(view.Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc()), PRF_CLIENT | PRF_ERASEBKGND);
}

RECT BoundsOfColor(const PixelCanvas& canvas, int width, int height, COLORREF color)
{
    RECT bounds{width, height, -1, -1};
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (canvas.At(x, y) == color)
                bounds = {std::min<LONG>(bounds.left, x), std::min<LONG>(bounds.top, y),
                          std::max<LONG>(bounds.right, x), std::max<LONG>(bounds.bottom, y)};
    return bounds;
}
