#include "controls/TDriveComboBox.h"

#include <algorithm>

#include "controls/CurrentDirectory.h"
#include "controls/FileEntries.h"
#include "controls/Glyphs.h"
#include "framework/Graphics.h"
#include "framework/Window.h"
#include "text/AsciiCase.h"

namespace {

constexpr DWORD kBoxStyle = CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS | WS_VSCROLL | WS_TABSTOP;
constexpr int kDropDownHeight = 200;

// The current directory's drive; a network folder without a drive letter
// has none, and the Windows folder's drive stands in.
char StartDrive()
{
    std::string directory = CurrentDirectory();
    if (directory.size() < 2 || directory[1] != ':') {
        char windows[MAX_PATH] = "c:";
        ::GetWindowsDirectoryA(windows, MAX_PATH);
        directory = windows;
    }
    return LowerAscii(directory[0]);
}

} // namespace

TDriveComboBox::TDriveComboBox()
    : drive_(StartDrive()),
      glyphs_{LoadGlyph("FLOPPY"), LoadGlyph("HARD"), LoadGlyph("NETWORK"), LoadGlyph("CDROM"), LoadGlyph("RAM")}
{
}

TDriveComboBox::~TDriveComboBox() { Detach(); }

void TDriveComboBox::Create(HWND parent, int id, RECT bounds, HFONT font)
{
    window_ = CreateChildControl(parent, "COMBOBOX", "", kBoxStyle, 0, bounds.left, bounds.top,
                                 bounds.right - bounds.left, kDropDownHeight, id);
    Attach(Handle(), true);
    fieldHeight_ = bounds.bottom - bounds.top;
    font_ = font;
    SetWindowFont(Handle(), font);
    UpdateItemHeight();
    BuildList();
    SetDrive(drive_);
}

char TDriveComboBox::InTextCase(char letter) const
{
    return textCase_ == tcUpperCase ? UpperAscii(letter) : LowerAscii(letter);
}

void TDriveComboBox::UpdateItemHeight()
{
    itemHeight_ = std::max(FontLineHeight(Handle(), font_), static_cast<int>(GlyphSize(glyphs_[0].get()).cy));
    if (!Handle())
        return;
    ::SendMessageA(Handle(), CB_SETITEMHEIGHT, 0, itemHeight_);
    FitSelectionFieldHeight(fieldHeight_);
}

// The closed box's height follows the selection field's item height plus a
// frame whose size differs between systems: measure it with a probe, then
// set the item height that makes the box exactly as high as designed.
void TDriveComboBox::FitSelectionFieldHeight(int height)
{
    constexpr int kProbe = 16;
    ::SendMessageA(Handle(), CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), kProbe);
    RECT rect;
    ::GetWindowRect(Handle(), &rect);
    ::SendMessageA(Handle(), CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), kProbe + height - (rect.bottom - rect.top));
}

void TDriveComboBox::BuildList()
{
    ::SendMessageA(Handle(), CB_RESETCONTENT, 0, 0);
    items_ = BuildDriveEntries(textCase_ == tcUpperCase);
    for (const DriveEntry& entry : items_)
        ::SendMessageA(Handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.text.c_str()));
}

int TDriveComboBox::ItemIndex() const
{
    return Handle() ? static_cast<int>(::SendMessageA(Handle(), CB_GETCURSEL, 0, 0)) : -1;
}

void TDriveComboBox::SetDrive(char drive)
{
    if (ItemIndex() >= 0 && LowerAscii(drive) == LowerAscii(drive_))
        return;
    drive_ = InTextCase(drive);
    for (std::size_t i = 0; i < items_.size(); ++i) {
        const std::string& text = items_[i].text;
        if (text.size() >= 2 && LowerAscii(text[0]) == LowerAscii(drive_) && text[1] == ':') {
            ::SendMessageA(Handle(), CB_SETCURSEL, i, 0);
            break;
        }
    }
    if (OnChange)
        OnChange(*this);
}

void TDriveComboBox::SetTextCase(TTextCase textCase)
{
    textCase_ = textCase;
    const char remembered = drive_;
    drive_ = InTextCase(drive_);
    if (!Handle())
        return;
    BuildList();
    SetDrive(remembered);
}

// The box shows the selected entry; it has the focus with the box.
ItemState TDriveComboBox::EntryState(int index) const
{
    const bool selected = index == ItemIndex();
    return {selected, selected && ::GetFocus() == Handle()};
}

void TDriveComboBox::DrawItem(HDC dc, int index, const RECT& rect, ItemState state) const
{
    PrepareItem(dc, rect, state);
    if (index >= 0 && static_cast<std::size_t>(index) < items_.size()) {
        const DriveEntry& entry = items_[static_cast<std::size_t>(index)];
        HBITMAP glyph = glyphs_[static_cast<std::size_t>(entry.glyph)].get();
        SIZE size = GlyphSize(glyph);
        DrawGlyphTransparent(dc, glyph, rect.left + 2, (rect.top + rect.bottom - size.cy) / 2);
        RECT textRect = rect;
        textRect.left += size.cx + 6;
        SelectedObject font(dc, font_ ? static_cast<HGDIOBJ>(font_) : ::GetStockObject(DEFAULT_GUI_FONT));
        ::DrawTextA(dc, entry.text.c_str(), static_cast<int>(entry.text.size()), &textRect,
                    DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    }
    FinishItem(dc, rect, state);
}

LRESULT TDriveComboBox::HookProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case kReflectedBase + WM_COMMAND:
        OnReflectedCommand(HIWORD(wParam));
        return 0;
    case kReflectedBase + WM_DRAWITEM: {
        const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        DrawItem(item.hDC, static_cast<int>(item.itemID), item.rcItem, ItemStateOf(item));
        return TRUE;
    }
    case WM_SETFONT:
        OnSetFont(wParam, lParam);
        return 0;
    case WM_GETOBJECT:
        return OnGetObject(wParam, lParam);
    }
    return TControlHook::HookProc(message, wParam, lParam);
}

void TDriveComboBox::OnReflectedCommand(int notifyCode)
{
    const int index = ItemIndex();
    if (notifyCode == CBN_SELCHANGE && index >= 0)
        SetDrive(items_[static_cast<std::size_t>(index)].text[0]);
}

void TDriveComboBox::OnSetFont(WPARAM font, LPARAM redraw)
{
    CallOriginal(WM_SETFONT, font, redraw);
    font_ = reinterpret_cast<HFONT>(font);
    if (fieldHeight_ > 0)
        UpdateItemHeight();
}

LRESULT TDriveComboBox::OnGetObject(WPARAM wParam, LPARAM lParam)
{
    if (AsksForClientObject(lParam))
        return accessibility_.Answer(Handle(), wParam);
    return CallOriginal(WM_GETOBJECT, wParam, lParam);
}
