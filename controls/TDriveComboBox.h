#pragma once
// The drive box: an owner-drawn drop-down list of the drives with their
// labels or network names and a glyph for each kind of drive.
#include <windows.h>

#include <array>
#include <functional>
#include <vector>

#include "controls/ControlHook.h"
#include "controls/DriveList.h"
#include "controls/ItemDrawing.h"
#include "controls/ListAccessible.h"
#include "framework/Handles.h"

enum TTextCase { tcLowerCase = 0, tcUpperCase = 1 };

class TDriveComboBox : public TControlHook, private AccessibleEntries {
public:
    TDriveComboBox();
    ~TDriveComboBox() override;

    // Creates the window (a closed box of the bounds' height), lists the
    // drives and selects Drive again, which raises OnChange.
    void Create(HWND parent, int id, RECT bounds, HFONT font);
    HWND Handle() const { return window_.get(); }

    char Drive() const { return drive_; }
    void SetDrive(char drive);
    TTextCase TextCase() const { return textCase_; }
    void SetTextCase(TTextCase textCase);
    const std::vector<DriveEntry>& Items() const { return items_; }
    int ItemIndex() const;
    int ItemHeight() const { return itemHeight_; }

    // Draws one entry as the box shows it.
    void DrawItem(HDC dc, int index, const RECT& rect, ItemState state) const;

    std::function<void(TDriveComboBox& sender)> OnChange;

protected:
    LRESULT HookProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void BuildList();
    char InTextCase(char letter) const;
    void UpdateItemHeight();
    void FitSelectionFieldHeight(int height);

    int EntryCount() const override { return static_cast<int>(items_.size()); }
    const std::string& EntryText(int index) const override { return items_[static_cast<std::size_t>(index)].text; }
    ItemState EntryState(int index) const override;

    void OnReflectedCommand(int notifyCode);
    void OnSetFont(WPARAM font, LPARAM redraw);
    LRESULT OnGetObject(WPARAM wParam, LPARAM lParam);

    UniqueWindow window_;
    HFONT font_ = nullptr;
    char drive_;
    TTextCase textCase_ = tcLowerCase;
    std::vector<DriveEntry> items_;
    int itemHeight_ = 11;
    int fieldHeight_ = 0;
    std::array<UniqueBitmap, 5> glyphs_;
    // The system's object for a combo box gives no entries under Wine.
    ListAccessibility accessibility_{*this};
};
