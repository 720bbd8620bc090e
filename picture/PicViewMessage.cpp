// The picture control's message display: a scrolling message (".SCM") that
// runs from right to left through the middle, and a credit box (".CMS")
// whose lines rise one after the other from the bottom. The host moves them
// with kScrollStepMessage and kCreditStepMessage.
#include <cstdint>

#include "imagelib/CreditMessageFile.h"
#include "imagelib/ScrollMessageFile.h"
#include "picture/PicView.h"
#include "picture/PicViewMessageLayout.h"

namespace {

// Credit lines are pre-drawn with this many rows of background below them,
// which wipe out what the line left behind one step earlier.
constexpr int kCreditMargin = 5;

int ScreenPixelsPerInchY()
{
    WindowDC screen(nullptr);
    return ::GetDeviceCaps(screen.get(), LOGPIXELSY);
}

FontStyle StyleOf(TFontStyles style)
{
    return FontStyle{(style & fsBold) != 0, (style & fsItalic) != 0, (style & fsUnderline) != 0,
                     (style & fsStrikeOut) != 0};
}

TFontStyles StylesOf(const FontStyle& style)
{
    return (style.bold ? fsBold : 0u) | (style.italic ? fsItalic : 0u) | (style.underline ? fsUnderline : 0u) |
           (style.strikeOut ? fsStrikeOut : 0u);
}

MessageFont MessageFontOf(const TFont& font)
{
    MessageFont described;
    described.color = font.Color;
    described.height = font.Height;
    described.name = font.Name;
    described.style = StyleOf(font.Style);
    return described;
}

// A size in points becomes a character height at the screen's resolution.
TFont FontOf(const MessageFont& described, TFont font)
{
    font.Color = described.color;
    font.Height = described.size ? HeightOfPoints(*described.size, ScreenPixelsPerInchY()) : described.height;
    font.Name = described.name;
    font.Style = StylesOf(described.style);
    return font;
}

// Runs a message-file reader on the font and colour; whatever it set stays
// set, also when it fails half-way.
template <typename Reader>
void ReadMessageSettings(TFont& font, COLORREF& backColor, Reader read)
{
    MessageFont described = MessageFontOf(font);
    std::uint32_t back = backColor;
    auto keep = [&] {
        font = FontOf(described, font);
        backColor = back;
    };
    try {
        read(described, back);
    } catch (...) {
        keep();
        throw;
    }
    keep();
}

} // namespace

void TPicView::LoadScrollMessage(const std::string& fileName)
{
    picture_.Clear();
    FSavedWidth = Width();
    FSavedHeight = Height();
    ReadMessageSettings(FMsgFont, FMsgBackColor, [&](MessageFont& font, std::uint32_t& back) {
        ReadScrollMessage(fileName, font, FMsgSpeed, back, FMsgText);
    });
    RepaintNow();
    const SIZE text = MeasureMessageText(FMsgText);
    const ScrollStart start = ScrollStartOf(FSavedWidth, FSavedHeight, text.cx, text.cy);
    FMsgWidth = text.cx;
    FMsgX = start.x;
    FMsgXEnd = start.xEnd;
    FMsgY = start.y;
    FMsgBitmap.SetSize(text.cx, text.cy);
    FSavedColor = color_;
    SetColor(FMsgBackColor);
    TCanvas& canvas = FMsgBitmap.Canvas();
    canvas.SetBrushColor(FMsgBackColor);
    canvas.SetFont(FMsgFont);
    canvas.TextOut(0, 0, FMsgText);
    FScrollActive = true;
}

void TPicView::LoadCreditBox(const std::string& fileName)
{
    picture_.Clear();
    ReadMessageSettings(FMsgFont, FMsgBackColor, [&](MessageFont& font, std::uint32_t& back) {
        ReadCreditMessage(fileName, font, FMsgSpeed, back, FCreditLines);
    });
    FCreditIndex = 0;
    if (FCreditLines.empty() || FCreditLines.front().empty())
        return;
    FMsgText = SpacedCreditLine(FCreditLines.front());
    FSavedWidth = Width();
    FSavedHeight = Height();
    RepaintNow();
    LayOutCreditLine();
    FSavedColor = color_;
    SetColor(FMsgBackColor);
    DrawCreditLine();
    FCreditActive = true;
}

void TPicView::ShowCreditLine()
{
    if (FCreditLines.empty())
        return;
    if (FCreditIndex < 0 || static_cast<std::size_t>(FCreditIndex) >= FCreditLines.size())
        FCreditIndex = 0;
    FMsgText = FCreditLines[static_cast<std::size_t>(FCreditIndex)];
    if (FMsgText.empty())
        return;
    FMsgText = SpacedCreditLine(FMsgText);
    FSavedWidth = Width();
    FSavedHeight = Height();
    RepaintNow();
    LayOutCreditLine();
    if (!FCreditActive)
        FSavedColor = color_;
    SetColor(FMsgBackColor);
    DrawCreditLine();
    FCreditActive = true;
}

bool TPicView::SpeedTick(int divider)
{
    // The same as counting first and comparing then, without passing INT_MAX.
    if (FTickCount < divider) {
        ++FTickCount;
        return false;
    }
    FTickCount = 0;
    return true;
}

void TPicView::OnScrollStep()
{
    if (!FScrollActive || !SpeedTick(FMsgSpeed))
        return;
    --FMsgX;
    --FMsgXEnd;
    if (FMsgXEnd < 0) {
        FMsgX = FSavedWidth;
        FMsgXEnd = CheckedSum(FSavedWidth, FMsgWidth);
    }
    DrawMessageBitmap();
}

void TPicView::OnCreditStep()
{
    if (!FCreditActive || !SpeedTick(FMsgSpeed))
        return;
    --FMsgY;
    if (std::int64_t{FMsgY} < -std::int64_t{FMsgHeight} - kCreditMargin) {
        if (FCreditLines.empty()) {
            FMsgY = FSavedHeight;
        } else {
            const bool last = static_cast<std::size_t>(FCreditIndex) + 1 >= FCreditLines.size();
            FCreditIndex = last ? 0 : FCreditIndex + 1;
            ShowCreditLine();
        }
    }
    DrawMessageBitmap();
}

SIZE TPicView::MeasureMessageText(const std::string& text) const
{
    WindowDC dc(Handle());
    TCanvas canvas(dc.get());
    canvas.SetFont(FMsgFont);
    TEXTMETRICA metrics{};
    ::GetTextMetricsA(dc.get(), &metrics);
    return SIZE{canvas.TextExtent(text).cx, metrics.tmHeight};
}

void TPicView::RepaintNow()
{
    Repaint();
    if (Handle())
        ::UpdateWindow(Handle());
}

void TPicView::LayOutCreditLine()
{
    const SIZE text = MeasureMessageText(FMsgText);
    FMsgHeight = text.cy;
    FMsgWidth = WidenedCreditWidth(text.cx, FMsgText.size());
    FMsgX = (FSavedWidth - FMsgWidth) / 2;
    FMsgY = FSavedHeight;
    FMsgBitmap.SetSize(FMsgWidth, CheckedSum(text.cy, kCreditMargin));
}

void TPicView::DrawCreditLine()
{
    {
        WindowDC dc(Handle());
        TCanvas control(dc.get());
        control.SetBrushColor(FMsgBackColor);
        control.Rectangle(0, 0, Width(), Height());
    }
    TCanvas& canvas = FMsgBitmap.Canvas();
    canvas.SetBrushColor(FMsgBackColor);
    canvas.SetPen(TPen{FMsgBackColor, 1});
    canvas.Rectangle(0, 0, FMsgBitmap.Width(), FMsgBitmap.Height());
    canvas.SetFont(FMsgFont);
    canvas.TextOut(0, 0, FMsgText);
}

void TPicView::DrawMessageBitmap()
{
    WindowDC dc(Handle());
    TCanvas canvas(dc.get());
    canvas.Draw(FMsgX, FMsgY, FMsgBitmap);
}
