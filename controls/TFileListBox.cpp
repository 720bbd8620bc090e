#include "controls/TFileListBox.h"

#include "framework/Exceptions.h"
#include "framework/Graphics.h"
#include "framework/Window.h"

void TFileListBox::Create(HWND parent, int id, RECT bounds, HFONT font)
{
    window_ = CreateChildControl(parent, "LISTBOX", "", LBS_NOTIFY | WS_VSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE,
                                 bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top, id);
    SetWindowFont(Handle(), font);
    ::SendMessageA(Handle(), LB_SETITEMHEIGHT, 0, 16);
    Update();
}

void TFileListBox::Update()
{
    ::SendMessageA(Handle(), LB_RESETCONTENT, 0, 0);
    ::SendMessageA(Handle(), LB_DIR, DDL_DIRECTORY | DDL_READWRITE | DDL_READONLY | DDL_HIDDEN | DDL_ARCHIVE,
                   reinterpret_cast<LPARAM>("*.*"));
}

void TFileListBox::SetFileName(const std::string& path)
{
    if (path.empty())
        return;
    if (!::SetCurrentDirectoryA(path.c_str()))
        throw EInOutError(static_cast<int>(::GetLastError()));
    Update();
}

int TFileListBox::IndexOfName(const std::string& name) const
{
    return static_cast<int>(
        ::SendMessageA(Handle(), LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(name.c_str())));
}

std::string TFileListBox::Directory() const
{
    char directory[MAX_PATH] = {};
    DWORD length = ::GetCurrentDirectoryA(MAX_PATH, directory);
    return std::string(directory, length < MAX_PATH ? length : 0);
}

int TFileListBox::ItemIndex() const { return static_cast<int>(::SendMessageA(Handle(), LB_GETCURSEL, 0, 0)); }

void TFileListBox::SetItemIndex(int index) { ::SendMessageA(Handle(), LB_SETCURSEL, static_cast<WPARAM>(index), 0); }
