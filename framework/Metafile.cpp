#include "framework/Metafile.h"

#include <cstdlib>

#include "framework/Canvas.h"
#include "framework/Clipboard.h"
#include "framework/ErrorText.h"
#include "framework/Exceptions.h"
#include "framework/Files.h"
#include "framework/WmfRecords.h"

namespace {

constexpr int kHundredthsOfMillimetrePerInch = 2540;

// Records that do not draw: escapes reach the device driver, and the colour
// management records name files to open.
bool IsSkippedRecord(DWORD type)
{
    switch (type) {
    case 70:   // EMR_GDICOMMENT
    case 99:   // EMR_CREATECOLORSPACE
    case 105:  // EMR_DRAWESCAPE
    case 106:  // EMR_EXTESCAPE
    case 110:  // EMR_NAMEDESCAPE
    case 112:  // EMR_SETICMPROFILEA
    case 113:  // EMR_SETICMPROFILEW
    case 121:  // EMR_COLORMATCHTOTARGETW
    case 122:  // EMR_CREATECOLORSPACEW
        return true;
    default:
        return false;
    }
}

int CALLBACK PlayDrawingRecord(HDC dc, HANDLETABLE* table, const ENHMETARECORD* record, int objects, LPARAM)
{
    if (!IsSkippedRecord(record->iType))
        ::PlayEnhMetaFileRecord(dc, table, record, static_cast<UINT>(objects));
    return 1;
}

SIZE ScreenPixelsPerInch()
{
    WindowDC screen(nullptr);
    return SIZE{::GetDeviceCaps(screen.get(), LOGPIXELSX), ::GetDeviceCaps(screen.get(), LOGPIXELSY)};
}

SIZE FrameSize(HENHMETAFILE metafile)
{
    ENHMETAHEADER header{};
    if (!::GetEnhMetaFileHeader(metafile, sizeof header, &header))
        return SIZE{0, 0};
    const SIZE dpi = ScreenPixelsPerInch();
    const RECTL& frame = header.rclFrame;
    return SIZE{::MulDiv(frame.right - frame.left, dpi.cx, kHundredthsOfMillimetrePerInch),
                ::MulDiv(frame.bottom - frame.top, dpi.cy, kHundredthsOfMillimetrePerInch)};
}

bool IsEnhancedMetafile(const std::vector<std::uint8_t>& bytes)
{
    return bytes.size() >= sizeof(ENHMETAHEADER) && bytes[0] == EMR_HEADER && bytes[1] == 0 && bytes[2] == 0 &&
           bytes[3] == 0 && bytes[40] == ' ' && bytes[41] == 'E' && bytes[42] == 'M' && bytes[43] == 'F';
}

} // namespace

TMetafile::TMetafile(HENHMETAFILE metafile)
{
    SIZE size = FrameSize(metafile);
    Take(metafile, size.cx, size.cy);
}

void TMetafile::Take(HENHMETAFILE metafile, int width, int height)
{
    metafile_ = std::make_shared<const UniqueEnhMetafile>(metafile);
    width_ = std::abs(width);
    height_ = std::abs(height);
    Changed();
}

void TMetafile::LoadFromFile(const std::string& fileName)
{
    auto bytes = ReadWholeFile(fileName);
    if (!bytes)
        throw EFOpenError(CannotOpenFileText(fileName));
    if (IsEnhancedMetafile(*bytes)) {
        if (HENHMETAFILE metafile = ::SetEnhMetaFileBits(static_cast<UINT>(bytes->size()), bytes->data())) {
            SIZE size = FrameSize(metafile);
            Take(metafile, size.cx, size.cy);
            return;
        }
    } else if (LoadFromWindowsMetafile(bytes->data(), bytes->size(), nullptr)) {
        return;
    }
    throw EInvalidGraphic(InvalidMetafileText(fileName));
}

bool TMetafile::LoadFromWindowsMetafile(const std::uint8_t* data, std::size_t size, const METAFILEPICT* picture)
{
    auto wmf = ReadWindowsMetafile(data, size);
    if (!wmf)
        return false;
    METAFILEPICT placeablePicture{};
    SIZE pixels{0, 0};
    if (!picture && wmf->placeable) {
        const PlaceableHeader& box = *wmf->placeable;
        const SIZE dpi = ScreenPixelsPerInch();
        placeablePicture.mm = MM_ANISOTROPIC;
        placeablePicture.xExt = ::MulDiv(box.right - box.left, kHundredthsOfMillimetrePerInch, box.unitsPerInch);
        placeablePicture.yExt = ::MulDiv(box.bottom - box.top, kHundredthsOfMillimetrePerInch, box.unitsPerInch);
        pixels = SIZE{::MulDiv(box.right - box.left, dpi.cx, box.unitsPerInch),
                      ::MulDiv(box.bottom - box.top, dpi.cy, box.unitsPerInch)};
        picture = &placeablePicture;
    }
    HENHMETAFILE metafile =
        ::SetWinMetaFileBits(static_cast<UINT>(wmf->bits.size()), wmf->bits.data(), nullptr, picture);
    if (!metafile)
        return false;
    if (pixels.cx == 0 && pixels.cy == 0)
        pixels = FrameSize(metafile);
    Take(metafile, pixels.cx, pixels.cy);
    return true;
}

void TMetafile::Draw(TCanvas& canvas, const RECT& rect) const
{
    if (metafile_)
        ::EnumEnhMetaFile(canvas.Handle(), metafile_->get(), PlayDrawingRecord, nullptr, &rect);
}

ClipboardData TMetafile::ClipboardFormats() const
{
    ClipboardData data;
    if (metafile_)
        data.Add(CF_ENHMETAFILE, UniqueEnhMetafile(::CopyEnhMetaFile(metafile_->get(), nullptr)));
    return data;
}
