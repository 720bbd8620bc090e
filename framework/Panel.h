#pragma once
// A panel: a coloured area with 3-D bevels and an optional caption; the
// parent of further controls, whose notifications it passes up.
#include <string>

#include "framework/Graphics.h"
#include "framework/Window.h"

enum TPanelBevel { bvNone, bvLowered, bvRaised };
enum TAlignment { taLeftJustify, taCenter };

struct PanelStyle {
    TPanelBevel bevelOuter = bvRaised;
    TPanelBevel bevelInner = bvNone;
    int bevelWidth = 1;
    int borderWidth = 0;
    COLORREF color = clBtnFace();
    std::string caption;
    TAlignment alignment = taCenter;
    HFONT font = nullptr;
    COLORREF fontColor = clBlack;
};

class TPanel : public TWindow {
public:
    void Create(HWND parent, int id, RECT bounds, const PanelStyle& style);
    const std::string& Caption() const { return style_.caption; }
    void SetCaption(const std::string& caption);
    COLORREF Color() const { return style_.color; }
    void SetColor(COLORREF color);
    void PaintContent(HDC dc) override;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    LRESULT OnControlColor(HDC dc);

    PanelStyle style_;
    UniqueBrush brush_;
};

// Left, top, width, height to a RECT.
inline RECT Bounds(int left, int top, int width, int height) { return RECT{left, top, left + width, top + height}; }
