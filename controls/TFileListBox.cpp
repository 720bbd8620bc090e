#include "controls/TFileListBox.h"

#include "controls/CurrentDirectory.h"
#include "controls/FirstLetterSearch.h"
#include "controls/Glyphs.h"
#include "framework/Graphics.h"
#include "framework/Window.h"
#include "text/PathText.h"

namespace {

constexpr DWORD kListStyle =
    LBS_NOTIFY | LBS_OWNERDRAWFIXED | LBS_NODATA | WS_VSCROLL | WS_TABSTOP;

} // namespace

TFileListBox::TFileListBox()
    : directory_(CurrentDirectory()), executableGlyph_(LoadGlyph("EXECUTABLE")),
      folderGlyph_(LoadGlyph("CLOSEDFOLDER")), unknownGlyph_(LoadGlyph("UNKNOWNFILE"))
{
}

TFileListBox::~TFileListBox() { Detach(); }

void TFileListBox::Create(HWND parent, int id, RECT bounds, HFONT font)
{
    const int width = bounds.right - bounds.left;
    const int height = bounds.bottom - bounds.top;
    window_ = CreateChildControl(parent, "LISTBOX", "", kListStyle, WS_EX_CLIENTEDGE, bounds.left, bounds.top, width,
                                 height, id);
    Attach(Handle(), true);
    font_ = font;
    SetWindowFont(Handle(), font);
    UpdateItemHeight();
    // The list took its height from the first item height; fit it again.
    ::SetWindowPos(Handle(), nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    ReadFileNames();
}

void TFileListBox::UpdateItemHeight()
{
    itemHeight_ = FontLineHeight(Handle(), font_);
    const int glyphHeight = GlyphSize(executableGlyph_.get()).cy + 1;
    if (showGlyphs_ && itemHeight_ < glyphHeight)
        itemHeight_ = glyphHeight;
    if (Handle())
        ::SendMessageA(Handle(), LB_SETITEMHEIGHT, 0, itemHeight_);
}

void TFileListBox::SetDirectory(const std::string& path)
{
    if (EqualIgnoringCase(path, directory_))
        return;
    ChangeDirectory(directory_);
    ChangeDirectory(path);
    directory_ = CurrentDirectory();
    ReadFileNames();
}

void TFileListBox::SetMask(const std::string& mask)
{
    if (mask == mask_)
        return;
    mask_ = mask;
    ReadFileNames();
}

void TFileListBox::SetFileType(TFileType fileType)
{
    if (fileType == fileType_)
        return;
    fileType_ = fileType;
    ReadFileNames();
}

void TFileListBox::SetShowGlyphs(bool showGlyphs)
{
    if (showGlyphs == showGlyphs_)
        return;
    showGlyphs_ = showGlyphs;
    if (showGlyphs_ && itemHeight_ < GlyphSize(executableGlyph_.get()).cy + 1)
        UpdateItemHeight();
    if (Handle())
        ::InvalidateRect(Handle(), nullptr, TRUE);
}

HWND TFileListBox::FileEdit() const { return fileEdit_ && ::IsWindow(fileEdit_) ? fileEdit_ : nullptr; }

void TFileListBox::SetFileEdit(HWND edit)
{
    fileEdit_ = edit;
    if (!FileEdit())
        return;
    const int index = ItemIndex();
    ::SetWindowTextA(edit, index >= 0 ? items_[static_cast<std::size_t>(index)].text.c_str() : mask_.c_str());
}

std::string TFileListBox::FileName() const
{
    const int index = ItemIndex();
    if (index < 0)
        return {};
    const std::string& text = items_[static_cast<std::size_t>(index)].text;
    return JoinPath(directory_, text);
}

int TFileListBox::ItemIndex() const
{
    if (!Handle())
        return -1;
    return static_cast<int>(::SendMessageA(Handle(), LB_GETCURSEL, 0, 0));
}

void TFileListBox::SetItemIndex(int index)
{
    if (index < 0 || static_cast<std::size_t>(index) >= items_.size())
        index = -1;
    if (Handle())
        ::SendMessageA(Handle(), LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void TFileListBox::ReadFileNames()
{
    if (!Handle())
        return;
    ChangeDirectory(directory_);
    items_.clear();
    ::SendMessageA(Handle(), LB_RESETCONTENT, 0, 0);
    items_ = ReadDirectoryEntries({mask_, fileType_, showGlyphs_});
    ::SendMessageA(Handle(), LB_SETCOUNT, items_.size(), 0);
    Change();
}

void TFileListBox::Change()
{
    lastReported_ = ItemIndex();
    if (HWND edit = FileEdit()) {
        const std::string& text = lastReported_ >= 0 ? items_[static_cast<std::size_t>(lastReported_)].text : mask_;
        ::SetWindowTextA(edit, text.c_str());
        ::SendMessageA(edit, EM_SETSEL, 0, -1);
    }
    if (OnChange)
        OnChange(*this);
}

void TFileListBox::SelectByName(const std::string& name)
{
    const int index = ItemIndex();
    if (index >= 0 && EqualIgnoringCase(name, items_[static_cast<std::size_t>(index)].text))
        return;
    SetItemIndex(IndexOfName(name));
    Change();
}

HBITMAP TFileListBox::GlyphFor(FileGlyph glyph) const
{
    switch (glyph) {
    case FileGlyph::Executable: return executableGlyph_.get();
    case FileGlyph::ClosedFolder: return folderGlyph_.get();
    case FileGlyph::UnknownFile: return unknownGlyph_.get();
    case FileGlyph::None: break;
    }
    return nullptr;
}

ItemState TFileListBox::EntryState(int index) const
{
    const bool hasFocus = ::GetFocus() == Handle();
    return {index == ItemIndex(), hasFocus && index == ::SendMessageA(Handle(), LB_GETCARETINDEX, 0, 0)};
}

void TFileListBox::DrawItem(HDC dc, int index, const RECT& rect, ItemState state) const
{
    PrepareItem(dc, rect, state);
    if (index >= 0 && static_cast<std::size_t>(index) < items_.size()) {
        const FileEntry& entry = items_[static_cast<std::size_t>(index)];
        int textLeft = rect.left + 2;
        if (HBITMAP glyph = showGlyphs_ ? GlyphFor(entry.glyph) : nullptr) {
            SIZE size = GlyphSize(glyph);
            DrawGlyphTransparent(dc, glyph, rect.left + 2, (rect.top + rect.bottom - size.cy) / 2);
            textLeft = rect.left + size.cx + 6;
        }
        SelectedObject font(dc, font_ ? static_cast<HGDIOBJ>(font_) : ::GetStockObject(DEFAULT_GUI_FONT));
        ::TextOutA(dc, textLeft, rect.top, entry.text.c_str(), static_cast<int>(entry.text.size()));
    }
    FinishItem(dc, rect, state);
}

LRESULT TFileListBox::HookProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case kReflectedBase + WM_COMMAND:
        OnReflectedCommand(HIWORD(wParam));
        return 0;
    case kReflectedBase + WM_DRAWITEM:
        OnReflectedDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_SETFONT:
        OnSetFont(wParam, lParam);
        return 0;
    case WM_GETOBJECT:
        return OnGetObject(wParam, lParam);
    }
    return TControlHook::HookProc(message, wParam, lParam);
}

// A printable ASCII character selects the next entry whose name begins with
// it, with the effects of a selection by the user. Control characters and
// the single bytes of a multi-byte character go to the list box.
LRESULT TFileListBox::DefaultChar(WPARAM character, LPARAM lParam)
{
    if (character < ' ' || character > '~')
        return CallOriginal(WM_CHAR, character, lParam);
    const int index = NextEntryStartingWith(items_, ItemIndex(), static_cast<char>(character));
    if (index >= 0) {
        SetItemIndex(index);
        if (index != lastReported_)
            Change();
    }
    return 0;
}

void TFileListBox::OnReflectedCommand(int notifyCode)
{
    if (notifyCode == LBN_SELCHANGE && ItemIndex() != lastReported_)
        Change();
    else if (notifyCode == LBN_DBLCLK && OnDblClick)
        OnDblClick(*this);
}

void TFileListBox::OnReflectedDrawItem(const DRAWITEMSTRUCT& item)
{
    DrawItem(item.hDC, static_cast<int>(item.itemID), item.rcItem, ItemStateOf(item));
}

void TFileListBox::OnSetFont(WPARAM font, LPARAM redraw)
{
    CallOriginal(WM_SETFONT, font, redraw);
    font_ = reinterpret_cast<HFONT>(font);
    UpdateItemHeight();
}

LRESULT TFileListBox::OnGetObject(WPARAM wParam, LPARAM lParam)
{
    if (AsksForClientObject(lParam))
        return accessibility_.Answer(Handle(), wParam);
    return CallOriginal(WM_GETOBJECT, wParam, lParam);
}
