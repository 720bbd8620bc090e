// The library's entries. Every entry returns 1 or more on success and a
// failure code (a negative number, also the message's place in the string
// table) otherwise; nothing is thrown across the library's border.
//
// Resolution codes: 24 true colour; 8, 4, 1 at most 256, 16, 2 colours;
// 0 the picture's own depth (paletted pictures keep their palette, all
// others come as true colour). Readers decide the format by the file's
// content, not by which entry was called.
//
// The information entry's further number is the size of the file's own
// colour table (0 for true-colour files).
//
// Pictures that describe their colours are shown in the display's, as given
// by the last SetDisplayProfile (sRGB until then).
#include <windows.h>

#include <algorithm>
#include <cstring>
#include <new>

#include "DibSectionSink.h"
#include "MappedFile.h"
#include "picdec/ReadPicture.h"
#include "picdec/colour/IccProfile.h"

using picdec::Status;

namespace {

short Result(Status status) { return static_cast<short>(status); }

// The display's ICC profile; empty for sRGB. Set and read on the caller's thread.
picdec::IccProfile& DisplayProfile()
{
    static picdec::IccProfile profile;
    return profile;
}

void CopyText(std::string_view text, char* buffer, std::size_t capacity)
{
    if (!buffer || capacity == 0)
        return;
    std::size_t length = std::min(text.size(), capacity - 1);
    std::memcpy(buffer, text.data(), length);
    buffer[length] = '\0';
}

Status Read(const char* fileName, short resolution, short dither, HBITMAP* bitmap, HPALETTE* palette)
{
    MappedFile file;
    Status opened = fileName ? file.Open(fileName) : Status::CannotOpenFile;
    if (!picdec::Succeeded(opened))
        return opened;
    picdec::ReadRequest request;
    request.resolution = resolution;
    request.dither = dither != 0;
    request.displayProfile = DisplayProfile();
    DibSectionSink sink;
    Status status = file.Read([&](std::span<const std::uint8_t> bytes) { return picdec::ReadPicture(bytes, request, sink); });
    // Rows decoded over a read error are not the file's: none are handed out.
    HBITMAP decoded = status == Status::CannotReadFile ? nullptr : sink.ReleaseBitmap();
    HPALETTE colours = status == Status::CannotReadFile ? nullptr : sink.ReleasePalette();
    if (bitmap)
        *bitmap = decoded;
    else if (decoded)
        ::DeleteObject(decoded);
    if (palette)
        *palette = colours;
    else if (colours)
        ::DeleteObject(colours);
    return status;
}

short Reader(const char* fileName, short resolution, short dither, HBITMAP* bitmap, HPALETTE* palette)
{
    try {
        return Result(Read(fileName, resolution, dither, bitmap, palette));
    } catch (const std::bad_alloc&) {
        return Result(Status::OutOfMemory);
    } catch (...) {
        return Result(Status::CorruptData);
    }
}

Status Information(const char* fileName, picdec::PictureInfo& info)
{
    MappedFile file;
    Status opened = fileName ? file.Open(fileName) : Status::CannotOpenFile;
    if (!picdec::Succeeded(opened))
        return opened;
    return file.Read([&](std::span<const std::uint8_t> bytes) { return picdec::ReadPictureInfo(bytes, info); });
}

void SetNumber(short* target, long value)
{
    if (target)
        *target = static_cast<short>(value);
}

} // namespace

extern "C" {

short WINAPI PicInfo(const char* fileName, char* typeText, short* width, short* height,
                           short* depthFactor1, short* depthFactor2, short* furtherNumber,
                           char* infoText, long /*reserved*/)
{
    picdec::PictureInfo info;
    Status status;
    try {
        status = Information(fileName, info);
    } catch (...) {
        status = Status::OutOfMemory;
    }
    CopyText(picdec::Succeeded(status) ? picdec::TypeTextOf(info.format) : std::string_view{}, typeText, 6);
    CopyText(info.description, infoText, 26);
    // Width and height travel as 16 bits; up to 65,535 they read back unsigned.
    SetNumber(width, static_cast<long>(info.width));
    SetNumber(height, static_cast<long>(info.height));
    SetNumber(depthFactor1, info.depthFactor1);
    SetNumber(depthFactor2, info.depthFactor2);
    SetNumber(furtherNumber, info.paletteSize);
    return Result(status);
}

short WINAPI ReadJpg(const char* fileName, short resolution, short /*one*/, short dither,
                           HBITMAP* bitmap, HPALETTE* palette, long, long)
{
    return Reader(fileName, resolution, dither, bitmap, palette);
}

short WINAPI ReadGif(const char* fileName, short resolution, short dither, HBITMAP* bitmap,
                           HPALETTE* palette, long, long)
{
    return Reader(fileName, resolution, dither, bitmap, palette);
}

short WINAPI ReadPcx(const char* fileName, short resolution, short dither, HBITMAP* bitmap,
                           HPALETTE* palette, long, long)
{
    return Reader(fileName, resolution, dither, bitmap, palette);
}

short WINAPI ReadBmp(const char* fileName, short resolution, short dither, HBITMAP* bitmap,
                           HPALETTE* palette, long, long)
{
    return Reader(fileName, resolution, dither, bitmap, palette);
}

short WINAPI ReadPng(const char* fileName, short resolution, short dither, HBITMAP* bitmap,
                           HPALETTE* palette, long, long)
{
    return Reader(fileName, resolution, dither, bitmap, palette);
}

short WINAPI ReadTif(const char* fileName, short resolution, short dither, HBITMAP* bitmap,
                           HPALETTE* palette, long, long)
{
    return Reader(fileName, resolution, dither, bitmap, palette);
}

short WINAPI ReadWebp(const char* fileName, short resolution, short dither, HBITMAP* bitmap,
                            HPALETTE* palette, long, long)
{
    return Reader(fileName, resolution, dither, bitmap, palette);
}

short WINAPI ReadHeif(const char* fileName, short resolution, short dither, HBITMAP* bitmap,
                            HPALETTE* palette, long, long)
{
    return Reader(fileName, resolution, dither, bitmap, palette);
}

short WINAPI ReadAvif(const char* fileName, short resolution, short dither, HBITMAP* bitmap,
                            HPALETTE* palette, long, long)
{
    return Reader(fileName, resolution, dither, bitmap, palette);
}

short WINAPI ReadJxl(const char* fileName, short resolution, short dither, HBITMAP* bitmap,
                           HPALETTE* palette, long, long)
{
    return Reader(fileName, resolution, dither, bitmap, palette);
}

// The display's profile from its file; a missing, damaged or oversized one,
// or no name, leaves sRGB. 1 when the profile is taken, 0 for sRGB.
short WINAPI SetDisplayProfile(const char* profileFile)
{
    picdec::IccProfile profile;
    MappedFile file;
    if (profileFile && *profileFile && picdec::Succeeded(file.Open(profileFile))) {
        file.Read([&](std::span<const std::uint8_t> bytes) {
            try {
                if (picdec::IsWholeIccProfile(bytes))
                    profile.assign(bytes.begin(), bytes.end());
            } catch (const std::bad_alloc&) {
                profile.clear();
            }
            return Status::Ok;
        });
    }
    DisplayProfile() = std::move(profile);
    return DisplayProfile().empty() ? 0 : 1;
}

} // extern "C"
