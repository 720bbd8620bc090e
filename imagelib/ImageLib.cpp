#include "imagelib/ImageLib.h"

#include <vector>

#include "framework/Dialogs.h"
#include "framework/Handles.h"
#include "imagelib/PicDec32.h"

namespace {

// The library is handed the whole name: a UTF-8 path of 255 bytes is far
// from the system's limit, and a cut one names another file.
template <typename Entry>
bool ReadWith(Entry entry, const std::string& fileName, TBitmap& bitmap)
{
    HPALETTE palette = nullptr;
    HBITMAP handle = nullptr;
    short result = entry(fileName.c_str(), &handle, &palette);
    bitmap.SetHandle(handle);
    bitmap.SetPalette(palette);
    if (result >= 1)
        return true;
    ShowDecoderError(result);
    return false;
}

} // namespace

bool ReadBmpFile(const std::string& fileName, int resolution, int dither, TBitmap& bitmap, long callerValue)
{
    return ReadWith([&](const char* name, HBITMAP* handle, HPALETTE* palette) {
        return ReadBmp(name, static_cast<short>(resolution), static_cast<short>(dither), handle, palette, callerValue, 0);
    }, fileName, bitmap);
}

bool ReadJpgFile(const std::string& fileName, int resolution, int dither, TBitmap& bitmap, long callerValue)
{
    return ReadWith([&](const char* name, HBITMAP* handle, HPALETTE* palette) {
        return ReadJpg(name, static_cast<short>(resolution), 1, static_cast<short>(dither), handle, palette,
                       callerValue, 0);
    }, fileName, bitmap);
}

bool ReadGifFile(const std::string& fileName, int resolution, int dither, TBitmap& bitmap, long callerValue)
{
    return ReadWith([&](const char* name, HBITMAP* handle, HPALETTE* palette) {
        return ReadGif(name, static_cast<short>(resolution), static_cast<short>(dither), handle, palette, callerValue, 0);
    }, fileName, bitmap);
}

bool ReadPcxFile(const std::string& fileName, int resolution, int dither, TBitmap& bitmap, long callerValue)
{
    return ReadWith([&](const char* name, HBITMAP* handle, HPALETTE* palette) {
        return ReadPcx(name, static_cast<short>(resolution), static_cast<short>(dither), handle, palette, callerValue, 0);
    }, fileName, bitmap);
}

bool ReadPngFile(const std::string& fileName, int resolution, int dither, TBitmap& bitmap, long callerValue)
{
    return ReadWith([&](const char* name, HBITMAP* handle, HPALETTE* palette) {
        return ReadPng(name, static_cast<short>(resolution), static_cast<short>(dither), handle, palette, callerValue, 0);
    }, fileName, bitmap);
}

bool ReadWebpFile(const std::string& fileName, int resolution, int dither, TBitmap& bitmap, long callerValue)
{
    return ReadWith([&](const char* name, HBITMAP* handle, HPALETTE* palette) {
        return ReadWebp(name, static_cast<short>(resolution), static_cast<short>(dither), handle, palette, callerValue, 0);
    }, fileName, bitmap);
}

bool ReadHeifFile(const std::string& fileName, int resolution, int dither, TBitmap& bitmap, long callerValue)
{
    return ReadWith([&](const char* name, HBITMAP* handle, HPALETTE* palette) {
        return ReadHeif(name, static_cast<short>(resolution), static_cast<short>(dither), handle, palette, callerValue, 0);
    }, fileName, bitmap);
}

bool ReadAvifFile(const std::string& fileName, int resolution, int dither, TBitmap& bitmap, long callerValue)
{
    return ReadWith([&](const char* name, HBITMAP* handle, HPALETTE* palette) {
        return ReadAvif(name, static_cast<short>(resolution), static_cast<short>(dither), handle, palette, callerValue, 0);
    }, fileName, bitmap);
}

bool ReadJxlFile(const std::string& fileName, int resolution, int dither, TBitmap& bitmap, long callerValue)
{
    return ReadWith([&](const char* name, HBITMAP* handle, HPALETTE* palette) {
        return ReadJxl(name, static_cast<short>(resolution), static_cast<short>(dither), handle, palette, callerValue, 0);
    }, fileName, bitmap);
}

bool UseColoursOfDisplay(HWND window)
{
    const WindowDC dc(window);
    char profile[MAX_PATH] = "";
    DWORD size = MAX_PATH;
    const bool named = dc.get() && ::GetICMProfileA(dc.get(), &size, profile) != FALSE;
    return SetDisplayProfile(named ? profile : nullptr) == 1;
}

bool ReadTifFile(const std::string& fileName, int resolution, int dither, TBitmap& bitmap, long callerValue)
{
    return ReadWith([&](const char* name, HBITMAP* handle, HPALETTE* palette) {
        return ReadTif(name, static_cast<short>(resolution), static_cast<short>(dither), handle, palette, callerValue, 0);
    }, fileName, bitmap);
}

bool ReadImageInfo(const std::string& fileName, ImageInfo& info, bool reportFailure)
{
    char typeText[6] = {};
    char infoText[26] = {};
    short width = 0, height = 0, depth1 = 0, depth2 = 0, further = 0;
    short result = PicInfo(fileName.c_str(), typeText, &width, &height, &depth1, &depth2, &further, infoText, 0);
    info.fileType = typeText;
    // Width and height go up to 65,535: read them unsigned.
    info.width = static_cast<unsigned short>(width);
    info.height = static_cast<unsigned short>(height);
    info.depthFactor1 = depth1;
    info.depthFactor2 = depth2;
    info.furtherNumber = further;
    info.infoText = infoText;
    if (result >= 1)
        return true;
    if (reportFailure)
        ShowDecoderError(result);
    return false;
}

HMODULE DecoderModule() { return ::GetModuleHandleA("PICDEC32.DLL"); }

void ShowDecoderError(short code)
{
    char text[256] = {};
    ::LoadStringA(DecoderModule(), static_cast<unsigned short>(code), text, sizeof text);
    MessageDlg(text, mtError, mbOK);
}

int ScreenColorDepth(HDC dc) { return ColorDepthForBitsPerPixel(::GetDeviceCaps(dc, BITSPIXEL)); }
