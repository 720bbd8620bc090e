#pragma once
// A drawing surface over a device context that someone else owns: brush,
// pen, font and copy mode, selected into the context as soon as they are set
// (text output uses whatever font the context holds at that moment).
#include <windows.h>

#include <string>

#include "framework/Font.h"

class TGraphic;

enum TBrushStyle { bsSolid, bsClear };

struct TBrush {
    COLORREF Color = RGB(255, 255, 255);
    TBrushStyle Style = bsSolid;
};

struct TPen {
    COLORREF Color = clBlack;
    int Width = 1;
};

class TCanvas {
public:
    TCanvas() = default;
    explicit TCanvas(HDC dc) { SetHandle(dc); }
    ~TCanvas() { SetHandle(nullptr); }
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;

    HDC Handle() const { return dc_; }
    // Gives the previous context its own objects back and selects the
    // canvas' tools into the new one.
    void SetHandle(HDC dc);

    const TBrush& Brush() const { return brush_; }
    void SetBrush(const TBrush& brush);
    void SetBrushColor(COLORREF color) { SetBrush(TBrush{color, bsSolid}); }
    const TPen& Pen() const { return pen_; }
    void SetPen(const TPen& pen);
    const TFont& Font() const { return font_; }
    void SetFont(const TFont& font);

    // The raster operation of copies onto this canvas.
    DWORD CopyMode = SRCCOPY;

    void FillRect(const RECT& rect);
    void Rectangle(int left, int top, int right, int bottom);
    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    void TextOut(int x, int y, const std::string& text);
    SIZE TextExtent(const std::string& text) const;
    // The graphic draws itself at its own size or stretched into rect.
    void Draw(int x, int y, const TGraphic& graphic);
    void StretchDraw(const RECT& rect, const TGraphic& graphic);

private:
    void SelectBrush();
    void SelectPen();
    void SelectFont();
    void Release();

    HDC dc_ = nullptr;
    TBrush brush_;
    TPen pen_;
    TFont font_;
    UniqueBrush brushHandle_;
    UniquePen penHandle_;
    UniqueFont fontHandle_;
    HGDIOBJ originalBrush_ = nullptr;
    HGDIOBJ originalPen_ = nullptr;
    HGDIOBJ originalFont_ = nullptr;
};
