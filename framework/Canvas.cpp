#include "framework/Canvas.h"

#include "framework/Graphic.h"

namespace {

// Selects object and remembers what it replaced the first time.
void SelectKeepingOriginal(HDC dc, HGDIOBJ object, HGDIOBJ& original)
{
    HGDIOBJ previous = ::SelectObject(dc, object);
    if (!original)
        original = previous;
}

} // namespace

void TCanvas::SetHandle(HDC dc)
{
    if (dc == dc_)
        return;
    Release();
    dc_ = dc;
    if (!dc_)
        return;
    SelectBrush();
    SelectPen();
    SelectFont();
}

void TCanvas::Release()
{
    if (!dc_)
        return;
    for (HGDIOBJ* original : {&originalBrush_, &originalPen_, &originalFont_}) {
        if (*original)
            ::SelectObject(dc_, *original);
        *original = nullptr;
    }
    brushHandle_.reset();
    penHandle_.reset();
    fontHandle_.reset();
    dc_ = nullptr;
}

void TCanvas::SetBrush(const TBrush& brush)
{
    brush_ = brush;
    if (dc_)
        SelectBrush();
}

void TCanvas::SetPen(const TPen& pen)
{
    pen_ = pen;
    if (dc_)
        SelectPen();
}

void TCanvas::SetFont(const TFont& font)
{
    font_ = font;
    if (dc_)
        SelectFont();
}

void TCanvas::SelectBrush()
{
    UniqueBrush brush(brush_.Style == bsClear ? nullptr : ::CreateSolidBrush(brush_.Color));
    SelectKeepingOriginal(dc_, brush ? static_cast<HGDIOBJ>(brush.get()) : ::GetStockObject(NULL_BRUSH),
                          originalBrush_);
    brushHandle_ = std::move(brush);
    // Opaque text cells take the brush colour.
    ::SetBkColor(dc_, brush_.Color);
    ::SetBkMode(dc_, brush_.Style == bsClear ? TRANSPARENT : OPAQUE);
}

// A pen or font the window system refuses (out of handles) leaves the one
// selected before in place, and alive.
void TCanvas::SelectPen()
{
    UniquePen pen(::CreatePen(PS_SOLID, pen_.Width, pen_.Color));
    if (!pen)
        return;
    SelectKeepingOriginal(dc_, pen.get(), originalPen_);
    penHandle_ = std::move(pen);
}

void TCanvas::SelectFont()
{
    ::SetTextColor(dc_, font_.Color);
    UniqueFont font = font_.CreateHandle();
    if (!font)
        return;
    SelectKeepingOriginal(dc_, font.get(), originalFont_);
    fontHandle_ = std::move(font);
}

void TCanvas::FillRect(const RECT& rect)
{
    if (brushHandle_)
        ::FillRect(dc_, &rect, brushHandle_.get());
}

void TCanvas::Rectangle(int left, int top, int right, int bottom) { ::Rectangle(dc_, left, top, right, bottom); }

void TCanvas::MoveTo(int x, int y) { ::MoveToEx(dc_, x, y, nullptr); }

void TCanvas::LineTo(int x, int y) { ::LineTo(dc_, x, y); }

void TCanvas::TextOut(int x, int y, const std::string& text)
{
    ::TextOutA(dc_, x, y, text.c_str(), static_cast<int>(text.size()));
}

SIZE TCanvas::TextExtent(const std::string& text) const
{
    SIZE size{};
    ::GetTextExtentPoint32A(dc_, text.c_str(), static_cast<int>(text.size()), &size);
    return size;
}

void TCanvas::Draw(int x, int y, const TGraphic& graphic)
{
    StretchDraw(RECT{x, y, x + graphic.Width(), y + graphic.Height()}, graphic);
}

void TCanvas::StretchDraw(const RECT& rect, const TGraphic& graphic)
{
    if (!graphic.Empty())
        graphic.Draw(*this, rect);
}
