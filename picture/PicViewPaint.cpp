// The picture control's paint routine: the bitmap path, which handles the
// picture's palette itself, and the plain path, where the graphic draws
// itself; then the overlay text and OnPaint.
#include "framework/ErrorText.h"
#include "framework/Exceptions.h"
#include "picture/PicGeometry.h"
#include "picture/PicView.h"
#include "picture/ShrinkBitmap.h"

#include <algorithm>

namespace {

RECT ToRect(const PaintRect& r) { return RECT{r.x, r.y, r.x + r.w, r.y + r.h}; }

} // namespace

void TPicView::PaintContent(HDC dc)
{
    TCanvas canvas(dc);
    canvas.SetFont(font_);
    if (ImageFileType == "ICO" || ImageFileType == "WMF" || !libPalette_) {
        PaintGraphic(canvas);
        return;
    }
    canvas.SetBrushColor(color_);
    if (const TGraphic* graphic = picture_.Graphic()) {
        RECT client;
        ::GetClientRect(Handle(), &client);
        const int pw = graphic->Width();
        const int ph = graphic->Height();
        PaintRect target = stretchRatio_ ? AspectFitRect(client.right, client.bottom, pw, ph)
                           : stretch_    ? PaintRect{0, 0, client.right, client.bottom}
                                         : ActualSizeRect(client.right, client.bottom, pw, ph, center_);
        const bool stretched = stretch_ || stretchRatio_;
        if (const TBitmap* bitmap = picture_.HeldBitmap())
            DrawBitmap(canvas, *bitmap, target.x, target.y, target.w, target.h, stretched);
        else
            // A metafile from the clipboard, say: it draws itself in the same place.
            canvas.StretchDraw(ToRect(target), *graphic);
    }
    FinishPaint(canvas);
}

void TPicView::PaintGraphic(TCanvas& canvas)
{
    RECT client;
    ::GetClientRect(Handle(), &client);
    RECT target = stretch_ ? client
                           : ToRect(ActualSizeRect(Width(), Height(), picture_.Width(), picture_.Height(), center_));
    if (const TBitmap* bitmap = picture_.HeldBitmap())
        canvas.StretchDraw(target, FitBitmap(*bitmap, target.right - target.left, target.bottom - target.top));
    else if (const TGraphic* graphic = picture_.Graphic())
        canvas.StretchDraw(target, *graphic);
    FinishPaint(canvas);
}

void TPicView::FinishPaint(TCanvas& canvas)
{
    if (!text_.empty())
        DrawOverlayText(canvas, textLeft_, textTop_, text_, textShadowColor_, textTransparent_, textShadow_,
                        textRotate_);
    if (OnPaint)
        OnPaint(*this);
}

const TBitmap& TPicView::FitBitmap(const TBitmap& bitmap, int w, int h)
{
    const int pw = bitmap.Width(), ph = bitmap.Height();
    if (w <= 0 || h <= 0 || (w >= pw && h >= ph))
        return bitmap;
    // Shrunk on the axes that shrink; the window system enlarges the other.
    const int sw = std::min(w, pw), sh = std::min(h, ph);
    if (shrunk_.Empty() || shrunk_.Width() != sw || shrunk_.Height() != sh) {
        shrunk_.SetHandle(ShrinkBitmap(bitmap.Handle(), sw, sh));
        shrunk_.SetPalette(DuplicatePalette(bitmap.Palette()));
    }
    return shrunk_.Empty() ? bitmap : shrunk_;
}

void TPicView::DrawBitmap(TCanvas& canvas, const TBitmap& picture, int x, int y, int w, int h, bool stretched)
{
    // A monochrome read keeps the device's own stretch mode, which keeps thin lines.
    const TBitmap& bitmap = stretched && imageReadRes_ != lMonoChrome ? FitBitmap(picture, w, h) : picture;
    if (bitmap.Empty())
        return;
    HDC dc = canvas.Handle();
    UniqueMemoryDC memory(::CreateCompatibleDC(dc));
    if (!memory)
        throw EOutOfResources(OutOfResourcesText());
    SelectedObject selected(memory.get(), bitmap.Handle());
    SelectedPalette memoryPalette(memory.get(), bitmap.Palette());
    SelectedPalette canvasPalette(dc, bitmap.Palette(), SelectedPalette::kRealise);
    if (stretched) {
        if (imageReadRes_ != lMonoChrome)
            ::SetStretchBltMode(dc, COLORONCOLOR);
        ::StretchBlt(dc, x, y, w, h, memory.get(), 0, 0, bitmap.Width(), bitmap.Height(), canvas.CopyMode);
    } else {
        ::BitBlt(dc, x, y, bitmap.Width(), bitmap.Height(), memory.get(), 0, 0, canvas.CopyMode);
    }
}

void TPicView::DrawOverlayText(TCanvas& canvas, int x, int y, const std::string& text, COLORREF shadowColor,
                               bool transparent, bool shadow, int angle)
{
    LOGFONTA logical{};
    logical.lfHeight = font_.Height;
    // Whole turns dropped: the same direction without overflowing tenths.
    logical.lfEscapement = logical.lfOrientation = (angle % 360) * 10;
    logical.lfWeight = (font_.Style & fsBold) ? FW_BOLD : FW_NORMAL;
    logical.lfItalic = (font_.Style & fsItalic) ? TRUE : FALSE;
    logical.lfUnderline = (font_.Style & fsUnderline) ? TRUE : FALSE;
    logical.lfStrikeOut = (font_.Style & fsStrikeOut) ? TRUE : FALSE;
    logical.lfCharSet = ANSI_CHARSET;
    logical.lfOutPrecision = OUT_DEFAULT_PRECIS;
    logical.lfClipPrecision = CLIP_STROKE_PRECIS;
    logical.lfQuality = PROOF_QUALITY;
    logical.lfPitchAndFamily = PitchFlag(font_.Pitch);
    font_.Name.copy(logical.lfFaceName, LF_FACESIZE - 1);
    UniqueFont font(::CreateFontIndirectA(&logical));
    HDC dc = canvas.Handle();
    SelectedObject selected(dc, font.get());
    ::SetBkMode(dc, transparent ? TRANSPARENT : OPAQUE);
    if (shadow) {
        ::SetTextColor(dc, shadowColor);
        canvas.TextOut(x + 2, y + 2, text);
    }
    ::SetTextColor(dc, font_.Color);
    canvas.TextOut(x, y, text);
}
