#include "controls/TDriveComboBox.h"

#include <cctype>
#include <string>

#include "framework/Graphics.h"
#include "framework/Window.h"

namespace {

char CurrentDrive()
{
    char directory[MAX_PATH] = {};
    ::GetCurrentDirectoryA(MAX_PATH, directory);
    return static_cast<char>(std::toupper(static_cast<unsigned char>(directory[0])));
}

} // namespace

// The selection field's height follows its item height plus a frame whose
// size differs between systems: measure it with a probe, then set the item
// height that makes the closed box exactly as high as designed.
void TDriveComboBox::FitSelectionFieldHeight(int height)
{
    constexpr int kProbe = 16;
    ::SendMessageA(Handle(), CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), kProbe);
    RECT rect;
    ::GetWindowRect(Handle(), &rect);
    ::SendMessageA(Handle(), CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), kProbe + height - (rect.bottom - rect.top));
}

void TDriveComboBox::Create(HWND parent, int id, RECT bounds, HFONT font)
{
    window_ = CreateChildControl(parent, "COMBOBOX", "", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 0, bounds.left,
                                 bounds.top, bounds.right - bounds.left, 200, id);
    SetWindowFont(Handle(), font);
    FitSelectionFieldHeight(bounds.bottom - bounds.top);
    FillDrives();
    SetDrive(CurrentDrive());
}

void TDriveComboBox::FillDrives()
{
    DWORD drives = ::GetLogicalDrives();
    for (int i = 0; i < 26; ++i) {
        if (drives & (1u << i)) {
            std::string text{static_cast<char>('A' + i), ':'};
            ::SendMessageA(Handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
        }
    }
}

void TDriveComboBox::SetDrive(char drive)
{
    drive_ = static_cast<char>(std::toupper(static_cast<unsigned char>(drive)));
    std::string text{drive_, ':'};
    ::SendMessageA(Handle(), CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(text.c_str()));
}
