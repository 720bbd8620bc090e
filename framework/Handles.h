#pragma once
// One owner for every kind of window-system handle the program touches.
#include <windows.h>

template <typename Traits>
class UniqueHandle {
public:
    using Handle = typename Traits::Handle;

    UniqueHandle() = default;
    explicit UniqueHandle(Handle handle) : handle_(handle) {}
    ~UniqueHandle() { reset(); }
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept
    {
        if (this != &other)
            reset(other.release());
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;

    Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != Traits::Invalid(); }
    Handle release()
    {
        Handle handle = handle_;
        handle_ = Traits::Invalid();
        return handle;
    }
    void reset(Handle handle = Traits::Invalid())
    {
        if (handle_ != Traits::Invalid())
            Traits::Close(handle_);
        handle_ = handle;
    }

private:
    Handle handle_ = Traits::Invalid();
};

namespace handle_traits {

template <typename H, auto CloseFunction>
struct NullInvalid {
    using Handle = H;
    static Handle Invalid() { return nullptr; }
    static void Close(Handle handle) { CloseFunction(handle); }
};

template <typename H>
struct GdiObject {
    using Handle = H;
    static Handle Invalid() { return nullptr; }
    static void Close(Handle handle) { ::DeleteObject(handle); }
};

struct File {
    using Handle = HANDLE;
    static Handle Invalid() { return INVALID_HANDLE_VALUE; }
    static void Close(Handle handle) { ::CloseHandle(handle); }
};

struct Find {
    using Handle = HANDLE;
    static Handle Invalid() { return INVALID_HANDLE_VALUE; }
    static void Close(Handle handle) { ::FindClose(handle); }
};

} // namespace handle_traits

using UniqueWindow = UniqueHandle<handle_traits::NullInvalid<HWND, ::DestroyWindow>>;
using UniqueMemoryDC = UniqueHandle<handle_traits::NullInvalid<HDC, ::DeleteDC>>;
using UniqueIcon = UniqueHandle<handle_traits::NullInvalid<HICON, ::DestroyIcon>>;
using UniqueRegKey = UniqueHandle<handle_traits::NullInvalid<HKEY, ::RegCloseKey>>;
using UniqueModule = UniqueHandle<handle_traits::NullInvalid<HMODULE, ::FreeLibrary>>;
using UniqueHook = UniqueHandle<handle_traits::NullInvalid<HHOOK, ::UnhookWindowsHookEx>>;
using UniqueKernelHandle = UniqueHandle<handle_traits::NullInvalid<HANDLE, ::CloseHandle>>;
using UniqueEnhMetafile = UniqueHandle<handle_traits::NullInvalid<HENHMETAFILE, ::DeleteEnhMetaFile>>;
using UniqueGlobal = UniqueHandle<handle_traits::NullInvalid<HGLOBAL, ::GlobalFree>>;
using UniqueFile = UniqueHandle<handle_traits::File>;
using UniqueFind = UniqueHandle<handle_traits::Find>;
using UniqueFont = UniqueHandle<handle_traits::GdiObject<HFONT>>;
using UniqueBrush = UniqueHandle<handle_traits::GdiObject<HBRUSH>>;
using UniquePen = UniqueHandle<handle_traits::GdiObject<HPEN>>;
using UniqueBitmap = UniqueHandle<handle_traits::GdiObject<HBITMAP>>;
using UniquePalette = UniqueHandle<handle_traits::GdiObject<HPALETTE>>;

// A window's device context, released to that window.
class WindowDC {
public:
    explicit WindowDC(HWND window) : window_(window), dc_(::GetDC(window)) {}
    ~WindowDC()
    {
        if (dc_)
            ::ReleaseDC(window_, dc_);
    }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    HDC get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// BeginPaint / EndPaint.
class PaintDC {
public:
    explicit PaintDC(HWND window) : window_(window) { dc_ = ::BeginPaint(window, &paint_); }
    ~PaintDC() { ::EndPaint(window_, &paint_); }
    PaintDC(const PaintDC&) = delete;
    PaintDC& operator=(const PaintDC&) = delete;
    HDC get() const { return dc_; }

private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC dc_;
};

// Selects an object into a device context and puts the previous one back.
class SelectedObject {
public:
    SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(::SelectObject(dc, object)) {}
    ~SelectedObject()
    {
        if (previous_)
            ::SelectObject(dc_, previous_);
    }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// Selects a palette into a device context while it lives (and realises it
// when asked); no palette selects nothing.
class SelectedPalette {
public:
    enum Realise { kKeep, kRealise };
    SelectedPalette(HDC dc, HPALETTE palette, Realise realise = kKeep) : dc_(dc)
    {
        if (!palette)
            return;
        previous_ = ::SelectPalette(dc, palette, FALSE);
        if (realise == kRealise)
            ::RealizePalette(dc);
    }
    ~SelectedPalette()
    {
        if (previous_)
            ::SelectPalette(dc_, previous_, FALSE);
    }
    SelectedPalette(const SelectedPalette&) = delete;
    SelectedPalette& operator=(const SelectedPalette&) = delete;

private:
    HDC dc_;
    HPALETTE previous_ = nullptr;
};
