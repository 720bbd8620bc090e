#include "framework/Panel.h"

namespace {

void FillRectColor(HDC dc, const RECT& rect, COLORREF color)
{
    UniqueBrush brush(::CreateSolidBrush(color));
    ::FillRect(dc, &rect, brush.get());
}

// Draws a frame of the given width just inside rect and shrinks rect by it.
void Frame3D(HDC dc, RECT& rect, COLORREF topLeft, COLORREF bottomRight, int width)
{
    for (int i = 0; i < width; ++i) {
        FillRectColor(dc, RECT{rect.left, rect.top, rect.right, rect.top + 1}, topLeft);
        FillRectColor(dc, RECT{rect.left, rect.top, rect.left + 1, rect.bottom}, topLeft);
        FillRectColor(dc, RECT{rect.left, rect.bottom - 1, rect.right, rect.bottom}, bottomRight);
        FillRectColor(dc, RECT{rect.right - 1, rect.top, rect.right, rect.bottom}, bottomRight);
        ::InflateRect(&rect, -1, -1);
    }
}

void DrawBevel(HDC dc, RECT& rect, TPanelBevel bevel, int width)
{
    if (bevel == bvNone)
        return;
    COLORREF light = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    COLORREF shadow = ::GetSysColor(COLOR_BTNSHADOW);
    if (bevel == bvRaised)
        Frame3D(dc, rect, light, shadow, width);
    else
        Frame3D(dc, rect, shadow, light, width);
}

} // namespace

void TPanel::Create(HWND parent, int id, RECT bounds, const PanelStyle& style)
{
    style_ = style;
    brush_.reset(::CreateSolidBrush(style.color));
    CreateParams params;
    params.className = "TPanel";
    params.caption = style.caption;
    params.style = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
    params.exStyle = WS_EX_CONTROLPARENT;
    params.left = bounds.left;
    params.top = bounds.top;
    params.width = bounds.right - bounds.left;
    params.height = bounds.bottom - bounds.top;
    params.parent = parent;
    params.id = id;
    CreateHandle(params);
    SetOpaque(true);
}

void TPanel::SetCaption(const std::string& caption)
{
    if (caption == style_.caption)
        return;
    style_.caption = caption;
    ::SetWindowTextA(Handle(), caption.c_str());
    ::InvalidateRect(Handle(), nullptr, FALSE);
}

void TPanel::SetColor(COLORREF color)
{
    if (color == style_.color)
        return;
    style_.color = color;
    brush_.reset(::CreateSolidBrush(color));
    ::InvalidateRect(Handle(), nullptr, FALSE);
}

void TPanel::PaintContent(HDC dc)
{
    RECT rect;
    ::GetClientRect(Handle(), &rect);
    DrawBevel(dc, rect, style_.bevelOuter, style_.bevelWidth);
    Frame3D(dc, rect, style_.color, style_.color, style_.borderWidth);
    DrawBevel(dc, rect, style_.bevelInner, style_.bevelWidth);
    ::FillRect(dc, &rect, brush_.get());
    if (style_.caption.empty())
        return;
    SelectedObject font(dc, style_.font ? style_.font : ::GetStockObject(DEFAULT_GUI_FONT));
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, style_.fontColor);
    UINT format = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | (style_.alignment == taCenter ? DT_CENTER : DT_LEFT);
    ::DrawTextA(dc, style_.caption.c_str(), -1, &rect, format);
}

LRESULT TPanel::OnControlColor(HDC dc)
{
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, clBlack);
    return reinterpret_cast<LRESULT>(brush_.get());
}

LRESULT TPanel::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        return OnControlColor(reinterpret_cast<HDC>(wParam));
    case WM_COMMAND:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_COMPAREITEM:
    case WM_DELETEITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
        // The window that owns the controls handles their notifications.
        return ::SendMessageA(::GetParent(Handle()), message, wParam, lParam);
    }
    return TWindow::WindowProc(message, wParam, lParam);
}
