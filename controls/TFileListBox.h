#pragma once
// The file list: the entries of one directory.
#include <windows.h>

#include <string>

#include "framework/Handles.h"

class TFileListBox {
public:
    void Create(HWND parent, int id, RECT bounds, HFONT font);
    HWND Handle() const { return window_.get(); }
    std::string Directory() const;
    int ItemIndex() const;
    void SetItemIndex(int index);
    void SetFocus() { ::SetFocus(Handle()); }
    // A directory (with "\" or ":" at its end) changes the listed directory.
    void SetFileName(const std::string& path);
    // The entry with this text, ignoring case, or -1.
    int IndexOfName(const std::string& name) const;
    void Update();

private:
    UniqueWindow window_;
};
