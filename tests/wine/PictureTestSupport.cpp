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
    std::string path = TempFile(name);
    std::ofstream(path, std::ios::binary) << content;
    return path;
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

namespace {

void Put(std::string& bytes, std::uint32_t value, int size)
{
    for (int i = 0; i < size; ++i)
        bytes += static_cast<char>(value >> (8 * i));
}

} // namespace

std::string WriteBmpFile(const std::string& name, int width, int height, COLORREF color, std::size_t cut)
{
    picdec::samples::BmpPlan plan;
    plan.width = width;
    plan.height = height;
    std::vector<std::uint8_t> row;
    for (int x = 0; x < width; ++x)
        row.insert(row.end(), {GetBValue(color), GetGValue(color), GetRValue(color)});
    plan.pixels = picdec::samples::BmpRows(std::vector<std::vector<std::uint8_t>>(static_cast<std::size_t>(height), row));
    const picdec::samples::File bytes = picdec::samples::BmpFile(plan);
    return WriteTextFile(name, std::string(bytes.begin(), bytes.end() - static_cast<std::ptrdiff_t>(cut)));
}

std::string WriteWmfFile(const std::string& name, bool withEscape, bool placeable)
{
    std::string records;
    auto record = [&](unsigned function, std::vector<unsigned> params) {
        Put(records, static_cast<std::uint32_t>(3 + params.size()), 4);
        Put(records, function, 2);
        for (unsigned p : params)
            Put(records, p, 2);
    };
    record(0x020B, {0, 0});      // SetWindowOrg 0, 0
    record(0x020C, {100, 200});  // SetWindowExt 200 x 100 (y, x)
    record(0x02FC, {0, 0xFF, 0, 0});  // CreateBrushIndirect solid red
    record(0x012D, {0});              // SelectObject 0
    if (withEscape)
        record(0x0626, {9, 4, 0x1234, 0x5678});  // SETABORTPROC with a "procedure"
    record(0x041B, {100, 200, 0, 0});  // Rectangle 0, 0, 200, 100
    record(0x0000, {});
    std::string bytes;
    using Field = std::pair<std::uint32_t, int>;  // value and size
    if (placeable)  // key, handle, bounds 0, 0, 200, 100 at 96 dpi, reserved, checksum
        for (auto [value, size] :
             {Field{0x9AC6CDD7, 4}, {0, 2}, {0, 2}, {0, 2}, {200, 2}, {100, 2}, {96, 2}, {0, 4}, {0, 2}})
            Put(bytes, value, size);
    const auto words = static_cast<std::uint32_t>((18 + records.size()) / 2);
    for (auto [value, size] : {Field{1, 2}, {9, 2}, {0x300, 2}, {words, 4}, {1, 2}, {7, 4}, {0, 2}})
        Put(bytes, value, size);
    return WriteTextFile(name, bytes + records);
}

TBitmap MakeBitmap(int width, int height, COLORREF fill, const std::vector<ColorMark>& marks)
{
    TBitmap bitmap;
    bitmap.SetSize(width, height);
    TCanvas& canvas = bitmap.Canvas();
    canvas.SetBrushColor(fill);
    canvas.FillRect(RECT{0, 0, width, height});
    for (const ColorMark& mark : marks) {
        canvas.SetBrushColor(mark.color);
        canvas.FillRect(mark.rect);
    }
    return bitmap;
}

void SetViewClientSize(TPicView& view, int width, int height)
{
    RECT frame{0, 0, width, height};
    ::AdjustWindowRectEx(&frame, static_cast<DWORD>(::GetWindowLongPtrA(view.Handle(), GWL_STYLE)), FALSE, 0);
    ::SetWindowPos(view.Handle(), nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void PrintClient(TPicView& view, PixelCanvas& canvas)
{
    ::SendMessageA(view.Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.dc()), PRF_CLIENT | PRF_ERASEBKGND);
}

RECT BoundsOfColor(const PixelCanvas& canvas, int width, int height, COLORREF color)
{
    RECT bounds{width, height, -1, -1};
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (canvas.At(x, y) == color) {
                bounds.left = std::min<LONG>(bounds.left, x);
                bounds.top = std::min<LONG>(bounds.top, y);
                bounds.right = std::max<LONG>(bounds.right, x);
                bounds.bottom = std::max<LONG>(bounds.bottom, y);
            }
    return bounds;
}
