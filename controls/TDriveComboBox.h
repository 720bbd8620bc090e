#pragma once
// The drive box: a drop-down list of the drives.
#include <windows.h>

#include "framework/Handles.h"

class TDriveComboBox {
public:
    void Create(HWND parent, int id, RECT bounds, HFONT font);
    HWND Handle() const { return window_.get(); }
    char Drive() const { return drive_; }
    void SetDrive(char drive);

private:
    void FillDrives();
    void FitSelectionFieldHeight(int height);

    UniqueWindow window_;
    char drive_ = 'C';
};
