#include "framework/Form.h"

#include <algorithm>
#include <vector>

#include "framework/Application.h"
#include "framework/Screen.h"

namespace {

struct ChildExtent {
    HWND parent;
    LONG right;
    LONG bottom;
};

BOOL CALLBACK MeasureChild(HWND child, LPARAM parameter)
{
    auto* extent = reinterpret_cast<ChildExtent*>(parameter);
    if (::GetParent(child) != extent->parent || !::IsWindowVisible(child))
        return TRUE;
    RECT rect;
    ::GetWindowRect(child, &rect);
    ::MapWindowPoints(nullptr, extent->parent, reinterpret_cast<POINT*>(&rect), 2);
    extent->right = std::max(extent->right, rect.right);
    extent->bottom = std::max(extent->bottom, rect.bottom);
    return TRUE;
}

bool BarShown(HWND window, int bar)
{
    return (::GetWindowLongA(window, GWL_STYLE) & (bar == SB_HORZ ? WS_HSCROLL : WS_VSCROLL)) != 0;
}

// Sets what changed only: every change repaints the window's frame, which
// costs more than the rest of a picture's layout. True when the bar came or
// went, which changes the client area.
bool SetScrollBar(HWND window, int bar, int extent, int page, int position)
{
    SCROLLINFO wanted{};
    wanted.cbSize = sizeof wanted;
    wanted.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    wanted.nMax = extent > page ? extent - 1 : 0;
    wanted.nPage = extent > page ? static_cast<UINT>(page) : 0;
    wanted.nPos = position;
    SCROLLINFO current{};
    current.cbSize = sizeof current;
    current.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    const bool wasShown = BarShown(window, bar);
    const bool known = ::GetScrollInfo(window, bar, &current) != FALSE;
    if (!known || current.nMin != wanted.nMin || current.nMax != wanted.nMax || current.nPage != wanted.nPage ||
        current.nPos != wanted.nPos)
        ::SetScrollInfo(window, bar, &wanted, TRUE);
    // An empty range may already have hidden the bar.
    const bool show = extent > page;
    if (show != BarShown(window, bar))
        ::ShowScrollBar(window, bar, show);
    return show != wasShown;
}

struct ThreadWindows {
    HWND except;
    std::vector<HWND> disabled;
};

BOOL CALLBACK DisableWindow(HWND window, LPARAM parameter)
{
    auto* windows = reinterpret_cast<ThreadWindows*>(parameter);
    if (window != windows->except && ::IsWindowVisible(window) && ::IsWindowEnabled(window)) {
        ::EnableWindow(window, FALSE);
        windows->disabled.push_back(window);
    }
    return TRUE;
}

} // namespace

void TForm::CreateForm(const FormParams& params)
{
    brush_.reset(::CreateSolidBrush(params.color));
    font_ = CreateUiFont(params.fontFace, params.fontHeight);
    RECT frame{0, 0, params.clientWidth, params.clientHeight};
    ::AdjustWindowRectEx(&frame, params.style, FALSE, 0);
    CreateParams create;
    create.className = params.className;
    create.style = params.style;
    create.width = frame.right - frame.left;
    create.height = frame.bottom - frame.top;
    create.icon = params.icon;
    CreateHandle(create);
    SetOpaque(true);
    // The first form created is the application's main window.
    if (!Application().MainWindow())
        Application().SetMainWindow(Handle());
}

TForm::~TForm()
{
    if (IsMainForm())
        Application().SetMainWindow(nullptr);
}

bool TForm::IsMainForm() const { return Handle() && Application().MainWindow() == Handle(); }

void TForm::PaintContent(HDC dc)
{
    RECT client;
    ::GetClientRect(Handle(), &client);
    ::FillRect(dc, &client, brush_.get());
}

TModalResult TForm::ShowModal(int showCommand)
{
    const TCursor cursor = Screen().Cursor();
    HWND previousActive = ::GetActiveWindow();
    ThreadWindows others{Handle(), {}};
    ::EnumThreadWindows(::GetCurrentThreadId(), DisableWindow, reinterpret_cast<LPARAM>(&others));
    modal_ = true;
    modalResult_ = mrNone;
    ::ShowWindow(Handle(), showCommand);
    ::SetActiveWindow(Handle());
    while (modalResult_ == mrNone && !Application().Terminated())
        Application().HandleMessage();
    modal_ = false;
    // Enabled before this form hides, so the activation can go back to them.
    for (HWND window : others.disabled)
        ::EnableWindow(window, TRUE);
    ::ShowWindow(Handle(), SW_HIDE);
    if (previousActive && ::IsWindow(previousActive))
        ::SetActiveWindow(previousActive);
    Screen().SetCursor(cursor);
    return modalResult_;
}

void TForm::OnClose()
{
    if (modal_) {
        modalResult_ = mrCancel;
        return;
    }
    ::ShowWindow(Handle(), SW_HIDE);
    if (IsMainForm())
        Application().Terminate();
}

void TForm::SetAutoScroll(bool autoScroll)
{
    autoScroll_ = autoScroll;
    RealignScrollBars();
}

void TForm::RealignScrollBars()
{
    // Showing or hiding a bar resizes the client area, which comes back here.
    if (!autoScroll_ || realigning_)
        return;
    realigning_ = true;
    ChildExtent extent{Handle(), 0, 0};
    ::EnumChildWindows(Handle(), MeasureChild, reinterpret_cast<LPARAM>(&extent));
    const POINT content{extent.right + scrollPosition_.x, extent.bottom + scrollPosition_.y};
    POINT position = scrollPosition_;
    // Each bar takes room from the other's direction: a second pass settles
    // a bar that the first pass measured while the other one still showed.
    bool barsChanged = true;
    for (int pass = 0; pass < 2 && barsChanged; ++pass) {
        RECT client;
        ::GetClientRect(Handle(), &client);
        position.x = std::clamp(position.x, 0L, std::max(0L, content.x - client.right));
        position.y = std::clamp(position.y, 0L, std::max(0L, content.y - client.bottom));
        barsChanged = SetScrollBar(Handle(), SB_HORZ, content.x, client.right, position.x);
        barsChanged = SetScrollBar(Handle(), SB_VERT, content.y, client.bottom, position.y) || barsChanged;
    }
    // A position beyond the new range moves the controls back into view.
    MoveContentTo(position);
    realigning_ = false;
}

void TForm::MoveContentTo(POINT position)
{
    const int dx = scrollPosition_.x - position.x;
    const int dy = scrollPosition_.y - position.y;
    if (dx == 0 && dy == 0)
        return;
    scrollPosition_ = position;
    ::ScrollWindowEx(Handle(), dx, dy, nullptr, nullptr, nullptr, nullptr,
                     SW_SCROLLCHILDREN | SW_INVALIDATE | SW_ERASE);
}

void TForm::OnScroll(int bar, int code)
{
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_ALL;
    ::GetScrollInfo(Handle(), bar, &info);
    int position = info.nPos;
    switch (code) {
    case SB_LINEUP: position -= 8; break;
    case SB_LINEDOWN: position += 8; break;
    case SB_PAGEUP: position -= static_cast<int>(info.nPage); break;
    case SB_PAGEDOWN: position += static_cast<int>(info.nPage); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: position = info.nTrackPos; break;
    case SB_TOP: position = info.nMin; break;
    case SB_BOTTOM: position = info.nMax; break;
    default: return;
    }
    position = std::clamp(position, 0, std::max(0, info.nMax - static_cast<int>(info.nPage) + 1));
    POINT target = scrollPosition_;
    (bar == SB_HORZ ? target.x : target.y) = position;
    MoveContentTo(target);
    ::SetScrollPos(Handle(), bar, position, TRUE);
}

LRESULT TForm::OnControlColor(HDC dc)
{
    ::SetBkMode(dc, TRANSPARENT);
    return reinterpret_cast<LRESULT>(brush_.get());
}

LRESULT TForm::OnActivate(WPARAM wParam, LPARAM lParam)
{
    const bool minimized = HIWORD(wParam) != 0;
    if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = ::GetFocus();
        if (focus && ::IsChild(Handle(), focus))
            focusedControl_ = focus;
    } else if (!minimized && RestoreFocusedControl()) {
        return 0;
    }
    // The default puts the focus on the form itself.
    return DefaultProc(WM_ACTIVATE, wParam, lParam);
}

LRESULT TForm::OnSetFocus(WPARAM wParam, LPARAM lParam)
{
    if (RestoreFocusedControl())
        return 0;
    return DefaultProc(WM_SETFOCUS, wParam, lParam);
}

bool TForm::RestoreFocusedControl()
{
    HWND control = focusedControl_;
    if (!control || !::IsChild(Handle(), control) || !::IsWindowVisible(control) || !::IsWindowEnabled(control))
        return false;
    ::SetFocus(control);
    return true;
}

LRESULT TForm::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (LRESULT reflected = 0; ReflectNotification(message, wParam, lParam, reflected))
        return reflected;
    switch (message) {
    case WM_CLOSE:
        OnClose();
        return 0;
    case WM_ACTIVATE:
        return OnActivate(wParam, lParam);
    case WM_SETFOCUS:
        return OnSetFocus(wParam, lParam);
    case WM_COMMAND:
        OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
        return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        return OnControlColor(reinterpret_cast<HDC>(wParam));
    case WM_SIZE:
        if (wParam != SIZE_MINIMIZED)
            RealignScrollBars();
        break;
    case WM_HSCROLL:
        OnScroll(SB_HORZ, LOWORD(wParam));
        return 0;
    case WM_VSCROLL:
        OnScroll(SB_VERT, LOWORD(wParam));
        return 0;
    }
    return TWindow::WindowProc(message, wParam, lParam);
}
