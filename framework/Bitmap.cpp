#include "framework/Bitmap.h"

#include <optional>
#include <vector>

#include "framework/Clipboard.h"
#include "framework/DibTransfer.h"

struct TBitmap::CanvasContext {
    UniqueMemoryDC dc;
    std::optional<SelectedObject> bitmap;
    HPALETTE previousPalette = nullptr;
    TCanvas canvas;

    ~CanvasContext()
    {
        canvas.SetHandle(nullptr);
        if (previousPalette)
            ::SelectPalette(dc.get(), previousPalette, FALSE);
        bitmap.reset();
    }
};

TBitmap::TBitmap() = default;

TBitmap::TBitmap(const TBitmap& other) : TGraphic(other)
{
    other.ReleaseCanvas();
    image_ = other.image_;
}

TBitmap& TBitmap::operator=(const TBitmap& other)
{
    if (this != &other) {
        other.ReleaseCanvas();
        ReleaseCanvas();
        image_ = other.image_;
        Changed();
    }
    return *this;
}

TBitmap::~TBitmap() { ReleaseCanvas(); }

HBITMAP TBitmap::Handle() const
{
    ReleaseCanvas();
    return image_ ? image_->bitmap.get() : nullptr;
}

namespace {

BITMAP InfoOf(HBITMAP bitmap)
{
    BITMAP info{};
    if (bitmap)
        ::GetObjectA(bitmap, sizeof info, &info);
    return info;
}

} // namespace

int TBitmap::Width() const { return InfoOf(image_ ? image_->bitmap.get() : nullptr).bmWidth; }
int TBitmap::Height() const { return InfoOf(image_ ? image_->bitmap.get() : nullptr).bmHeight; }

int TBitmap::BitsPerPixel() const
{
    BITMAP info = InfoOf(image_ ? image_->bitmap.get() : nullptr);
    return info.bmPlanes * info.bmBitsPixel;
}

void TBitmap::Unshare()
{
    if (!image_ || image_.use_count() == 1)
        return;
    auto copy = std::make_shared<Image>();
    copy->bitmap.reset(DuplicateBitmap(image_->bitmap.get()));
    copy->palette.reset(DuplicatePalette(image_->palette.get()));
    image_ = std::move(copy);
}

TBitmap::Image& TBitmap::WritableImage()
{
    if (!image_)
        image_ = std::make_shared<Image>();
    return *image_;
}

void TBitmap::SetHandle(HBITMAP bitmap)
{
    if (image_ && bitmap == image_->bitmap.get())
        return;
    ReleaseCanvas();
    if (image_ && image_.use_count() > 1) {
        // The handle is replaced, so only the palette needs a copy.
        auto fresh = std::make_shared<Image>();
        fresh->palette.reset(DuplicatePalette(image_->palette.get()));
        image_ = std::move(fresh);
    }
    WritableImage().bitmap.reset(bitmap);
    Changed();
}

void TBitmap::SetPalette(HPALETTE palette)
{
    if (image_ && palette == image_->palette.get())
        return;
    ReleaseCanvas();
    if (image_ && image_.use_count() > 1) {
        auto fresh = std::make_shared<Image>();
        fresh->bitmap.reset(DuplicateBitmap(image_->bitmap.get()));
        image_ = std::move(fresh);
    }
    WritableImage().palette.reset(palette);
    Changed();
}

void TBitmap::SetSize(int width, int height)
{
    HBITMAP bitmap = nullptr;
    if (width > 0 && height > 0) {
        WindowDC screen(nullptr);
        bitmap = ::CreateCompatibleBitmap(screen.get(), width, height);
    }
    SetHandle(bitmap);
    if (bitmap) {
        TCanvas& canvas = Canvas();
        canvas.SetBrushColor(RGB(255, 255, 255));
        canvas.FillRect(RECT{0, 0, width, height});
    }
}

TCanvas& TBitmap::Canvas()
{
    Unshare();
    if (!canvas_) {
        auto context = std::make_unique<CanvasContext>();
        context->dc.reset(::CreateCompatibleDC(nullptr));
        if (!Empty())
            context->bitmap.emplace(context->dc.get(), image_->bitmap.get());
        if (Palette())
            context->previousPalette = ::SelectPalette(context->dc.get(), Palette(), FALSE);
        context->canvas.SetHandle(context->dc.get());
        canvas_ = std::move(context);
    }
    Changed();
    return canvas_->canvas;
}

void TBitmap::ReleaseCanvas() const { canvas_.reset(); }

void TBitmap::Draw(TCanvas& canvas, const RECT& rect) const
{
    HBITMAP bitmap = Handle();
    if (!bitmap)
        return;
    HDC target = canvas.Handle();
    UniqueMemoryDC source(::CreateCompatibleDC(target));
    SelectedObject selected(source.get(), bitmap);
    HPALETTE previous = nullptr;
    if (Palette()) {
        previous = ::SelectPalette(target, Palette(), TRUE);
        ::SelectPalette(source.get(), Palette(), TRUE);
        ::RealizePalette(target);
    }
    ::SetStretchBltMode(target, COLORONCOLOR);
    ::StretchBlt(target, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, source.get(), 0, 0,
                 Width(), Height(), canvas.CopyMode);
    if (previous)
        ::SelectPalette(target, previous, TRUE);
}

ClipboardData TBitmap::ClipboardFormats() const
{
    ClipboardData data;
    HBITMAP bitmap = Handle();
    if (!bitmap)
        return data;
    UniqueGlobal dib = PackedDibOf(bitmap, Palette());
    // Without the device-independent copy the others are of no use.
    if (!dib)
        return data;
    data.Add(CF_DIB, std::move(dib));
    if (Palette()) {
        data.Add(CF_BITMAP, UniqueBitmap(DuplicateBitmap(bitmap)));
        data.Add(CF_PALETTE, UniquePalette(DuplicatePalette(Palette())));
    }
    return data;
}

HBITMAP DuplicateBitmap(HBITMAP bitmap)
{
    if (!bitmap)
        return nullptr;
    DIBSECTION section{};
    if (::GetObjectA(bitmap, sizeof section, &section) != sizeof section || !section.dsBm.bmBits)
        return static_cast<HBITMAP>(::CopyImage(bitmap, IMAGE_BITMAP, 0, 0, 0));
    return DuplicateDibSection(bitmap, section);
}

HPALETTE DuplicatePalette(HPALETTE palette)
{
    if (!palette)
        return nullptr;
    WORD count = 0;
    ::GetObjectA(palette, sizeof count, &count);
    std::vector<unsigned char> record(sizeof(LOGPALETTE) + count * sizeof(PALETTEENTRY));
    auto* logical = reinterpret_cast<LOGPALETTE*>(record.data());
    logical->palVersion = 0x300;
    logical->palNumEntries = count;
    ::GetPaletteEntries(palette, 0, count, logical->palPalEntry);
    return ::CreatePalette(logical);
}
