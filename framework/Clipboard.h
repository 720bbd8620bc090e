#pragma once
// The system clipboard: an open session and the hand-over of data, which
// the clipboard owns once it took it.
#include <windows.h>

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

// Each gives the data to the open clipboard; it stays ours (and is freed)
// when the clipboard refuses it.
void PutOnClipboard(UINT format, UniqueGlobal data);
void PutOnClipboard(UINT format, UniqueBitmap bitmap);
void PutOnClipboard(UINT format, UniquePalette palette);
void PutOnClipboard(UINT format, UniqueEnhMetafile metafile);
