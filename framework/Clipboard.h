#pragma once
// The system clipboard: an open session and the hand-over of data, which
// the clipboard owns once it took it.
#include <windows.h>

#include <variant>
#include <vector>

#include "framework/Handles.h"

class ClipboardSession {
public:
    // Opens the clipboard for the window; raises the framework error when
    // another program keeps it open.
    explicit ClipboardSession(HWND owner);
    ~ClipboardSession() { ::CloseClipboard(); }
    ClipboardSession(const ClipboardSession&) = delete;
    ClipboardSession& operator=(const ClipboardSession&) = delete;
};

// What a graphic gives the clipboard, built before the clipboard is opened:
// a failure to build it then loses nothing of what the clipboard holds.
class ClipboardData {
public:
    using Handle = std::variant<UniqueGlobal, UniqueBitmap, UniquePalette, UniqueEnhMetafile>;
    // An empty handle (its building failed) is left out.
    template <typename Unique>
    void Add(UINT format, Unique data)
    {
        if (data)
            items_.push_back({format, Handle(std::move(data))});
    }
    bool Empty() const { return items_.empty(); }
    // Hands every format to the open, emptied clipboard.
    void PutOnOpenClipboard();

private:
    struct Item {
        UINT format;
        Handle data;
    };
    std::vector<Item> items_;
};

// Each gives the data to the open clipboard; it stays ours (and is freed)
// when the clipboard refuses it.
void PutOnClipboard(UINT format, UniqueGlobal data);
void PutOnClipboard(UINT format, UniqueBitmap bitmap);
void PutOnClipboard(UINT format, UniquePalette palette);
void PutOnClipboard(UINT format, UniqueEnhMetafile metafile);
