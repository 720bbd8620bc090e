#pragma once
// Owners of the few kernel and GDI handles the library holds while it
// decodes; the library stands on its own, apart from the program's framework.
#include <windows.h>

template <typename H, auto Invalid, auto Close>
class DllHandle {
public:
    DllHandle() = default;
    explicit DllHandle(H handle) : handle_(handle) {}
    ~DllHandle() { reset(); }
    DllHandle(DllHandle&& other) noexcept : handle_(other.release()) {}
    DllHandle& operator=(DllHandle&& other) noexcept
    {
        if (this != &other)
            reset(other.release());
        return *this;
    }
    DllHandle(const DllHandle&) = delete;
    DllHandle& operator=(const DllHandle&) = delete;

    H get() const { return handle_; }
    explicit operator bool() const { return handle_ != Invalid(); }
    H release()
    {
        H handle = handle_;
        handle_ = Invalid();
        return handle;
    }
    void reset(H handle = Invalid())
    {
        if (handle_ != Invalid())
            Close(handle_);
        handle_ = handle;
    }

private:
    H handle_ = Invalid();
};

namespace dll_handles {
template <typename H>
H Null() { return nullptr; }
inline HANDLE NoFile() { return INVALID_HANDLE_VALUE; }
inline void DeleteGdiObject(HGDIOBJ object) { ::DeleteObject(object); }
inline void CloseKernelHandle(HANDLE handle) { ::CloseHandle(handle); }
inline void UnmapView(LPCVOID view) { ::UnmapViewOfFile(view); }
} // namespace dll_handles

using UniqueFile = DllHandle<HANDLE, dll_handles::NoFile, dll_handles::CloseKernelHandle>;
using UniqueKernelHandle = DllHandle<HANDLE, dll_handles::Null<HANDLE>, dll_handles::CloseKernelHandle>;
using UniqueFileView = DllHandle<LPCVOID, dll_handles::Null<LPCVOID>, dll_handles::UnmapView>;
using UniqueBitmap = DllHandle<HBITMAP, dll_handles::Null<HBITMAP>, dll_handles::DeleteGdiObject>;
using UniquePalette = DllHandle<HPALETTE, dll_handles::Null<HPALETTE>, dll_handles::DeleteGdiObject>;
