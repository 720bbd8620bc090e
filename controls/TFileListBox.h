#pragma once
// The file list: the entries of one directory, owner-drawn with glyphs,
// kept sorted; works through the process's current directory.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "controls/ControlHook.h"
#include "controls/DirectoryReader.h"
#include "controls/FileEntries.h"
#include "controls/ItemDrawing.h"
#include "controls/ListAccessible.h"
#include "framework/Handles.h"

class TFileListBox : public TControlHook, private AccessibleEntries {
public:
    TFileListBox();
    ~TFileListBox() override;

    // Creates the window and reads the directory for the first time.
    void Create(HWND parent, int id, RECT bounds, HFONT font);
    HWND Handle() const { return window_.get(); }
    void SetFocus() { ::SetFocus(Handle()); }

    const std::string& Directory() const { return directory_; }
    void SetDirectory(const std::string& path);
    const std::string& Mask() const { return mask_; }
    void SetMask(const std::string& mask);
    TFileType FileType() const { return fileType_; }
    void SetFileType(TFileType fileType);
    bool ShowGlyphs() const { return showGlyphs_; }
    void SetShowGlyphs(bool showGlyphs);
    HWND FileEdit() const;
    void SetFileEdit(HWND edit);

    // The selected entry's full path, or empty.
    std::string FileName() const;
    // Applies a drive, a directory entry, a path or a mask (ApplyFilePath).
    void SetFileName(const std::string& text) { ApplyFilePath(text); }

    int ItemIndex() const;
    // Selects without a change notification; -1 or past the end: none.
    void SetItemIndex(int index);
    const std::vector<FileEntry>& Items() const { return items_; }
    // The index of the entry with this text, ignoring case, or -1.
    int IndexOfName(const std::string& name) const { return IndexOfEntry(items_, name); }
    int ItemHeight() const { return itemHeight_; }

    // Re-reads the directory.
    void Update() { ReadFileNames(); }

    // Draws one entry as the list shows it.
    void DrawItem(HDC dc, int index, const RECT& rect, ItemState state) const;

    std::function<void(TFileListBox& sender)> OnChange;
    std::function<void(TFileListBox& sender)> OnDblClick;

protected:
    LRESULT HookProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // The list holds no strings of its own: it searches its entries itself.
    LRESULT DefaultChar(WPARAM character, LPARAM lParam) override;

private:
    void ReadFileNames();
    void Change();
    void SelectByName(const std::string& name);
    void ApplyFilePath(const std::string& text);
    // A folder or file named by a network path "\\server\share\...".
    void ApplyNetworkPath(const std::string& path);
    void UpdateItemHeight();
    HBITMAP GlyphFor(FileGlyph glyph) const;

    int EntryCount() const override { return static_cast<int>(items_.size()); }
    const std::string& EntryText(int index) const override { return items_[static_cast<std::size_t>(index)].text; }
    ItemState EntryState(int index) const override;

    void OnReflectedCommand(int notifyCode);
    void OnReflectedDrawItem(const DRAWITEMSTRUCT& item);
    void OnSetFont(WPARAM font, LPARAM redraw);
    LRESULT OnGetObject(WPARAM wParam, LPARAM lParam);

    UniqueWindow window_;
    HFONT font_ = nullptr;
    std::string directory_;
    std::string mask_ = "*.*";
    TFileType fileType_ = ftNormal;
    bool showGlyphs_ = false;
    HWND fileEdit_ = nullptr;
    std::vector<FileEntry> items_;
    int lastReported_ = -1;
    int itemHeight_ = 16;
    UniqueBitmap executableGlyph_;
    UniqueBitmap folderGlyph_;
    UniqueBitmap unknownGlyph_;
    // The entries stay the list's own: the list box holds no strings.
    ListAccessibility accessibility_{*this};
};
