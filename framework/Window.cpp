#include "framework/Window.h"

#include "framework/Exceptions.h"

#include "framework/Application.h"
#include "framework/Screen.h"

namespace {

void RegisterClassOnce(const char* className, HICON icon, WNDPROC procedure)
{
    WNDCLASSEXA existing{};
    existing.cbSize = sizeof existing;
    HINSTANCE instance = ::GetModuleHandleA(nullptr);
    if (::GetClassInfoExA(instance, className, &existing))
        return;
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = icon;
    windowClass.hCursor = ::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    windowClass.lpszClassName = className;
    if (!::RegisterClassExA(&windowClass))
        throw Exception(std::string("Cannot register window class ") + className);
}

} // namespace

TWindow::~TWindow()
{
    // The derived parts are gone: later messages go to the default procedure.
    if (handle_)
        ::SetWindowLongPtrA(handle_.get(), GWLP_USERDATA, 0);
}

void TWindow::CreateHandle(const CreateParams& params)
{
    RegisterClassOnce(params.className, params.icon, StaticWindowProc);
    HWND window = ::CreateWindowExA(params.exStyle, params.className, params.caption.c_str(), params.style,
                                    params.left, params.top, params.width, params.height, params.parent,
                                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(params.id)),
                                    ::GetModuleHandleA(nullptr), this);
    if (!window)
        throw Exception(std::string("Cannot create window ") + params.className);
}

LRESULT TWindow::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT:
        OnPaintMessage();
        return 0;
    case WM_PRINTCLIENT:
        OnPrintClient(reinterpret_cast<HDC>(wParam), lParam);
        return 0;
    case WM_ERASEBKGND:
        if (!opaque_)
            EraseBackground(reinterpret_cast<HDC>(wParam));
        return 1;
    }
    return DefaultProc(message, wParam, lParam);
}

void TWindow::OnPaintMessage()
{
    {
        PaintDC dc(Handle());
        PaintContent(dc.get());
    }
    OnPaint();
}

void TWindow::OnPrintClient(HDC dc, LPARAM flags)
{
    if ((flags & PRF_ERASEBKGND) && !opaque_)
        EraseBackground(dc);
    PaintContent(dc);
}

LRESULT TWindow::DefaultProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    return ::DefWindowProcA(handle_.get(), message, wParam, lParam);
}

LRESULT CALLBACK TWindow::StaticWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* self = static_cast<TWindow*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        self->handle_.reset(window);
        ::SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<TWindow*>(::GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!self)
        return ::DefWindowProcA(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        ::SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        self->handle_.release();
        return ::DefWindowProcA(window, message, wParam, lParam);
    }
    if (message == WM_SETCURSOR && Screen().ApplyCursorOverride())
        return TRUE;
    try {
        return self->WindowProc(message, wParam, lParam);
    } catch (const std::exception& error) {
        Application().HandleException(error);
        return 0;
    }
}

UniqueWindow CreateChildControl(HWND parent, const char* className, const std::string& text, DWORD style,
                                DWORD exStyle, int left, int top, int width, int height, int id)
{
    HWND window = ::CreateWindowExA(exStyle, className, text.c_str(), style | WS_CHILD | WS_VISIBLE, left, top, width,
                                    height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                    ::GetModuleHandleA(nullptr), nullptr);
    if (!window)
        throw Exception(std::string("Cannot create control ") + className);
    return UniqueWindow(window);
}

std::string WindowText(HWND window)
{
    std::string text(static_cast<std::size_t>(::GetWindowTextLengthA(window)) + 1, '\0');
    text.resize(static_cast<std::size_t>(::GetWindowTextA(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

namespace {

constexpr const char* kReflectProperty = "LumoReflect";

HWND NotifyingControl(UINT message, LPARAM lParam)
{
    if (message == WM_COMMAND)
        return reinterpret_cast<HWND>(lParam);
    if (message == WM_DRAWITEM)
        return reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)->hwndItem;
    return nullptr;
}

} // namespace

void EnableReflection(HWND control, bool enable)
{
    if (enable)
        ::SetPropA(control, kReflectProperty, reinterpret_cast<HANDLE>(1));
    else
        ::RemovePropA(control, kReflectProperty);
}

bool ReflectNotification(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    HWND control = NotifyingControl(message, lParam);
    if (!control || !::GetPropA(control, kReflectProperty))
        return false;
    result = ::SendMessageA(control, kReflectedBase + message, wParam, lParam);
    return true;
}
