#pragma once
// The bitmap object: owns one bitmap handle and one palette handle.
#include <windows.h>

#include "framework/Handles.h"

class TBitmap {
public:
    HBITMAP Handle() const { return bitmap_.get(); }
    HPALETTE Palette() const { return palette_.get(); }
    bool Empty() const { return !bitmap_; }
    int Width() const;
    int Height() const;

    // Takes ownership; the old handle goes unless it is the same one.
    void SetHandle(HBITMAP bitmap);
    void SetPalette(HPALETTE palette);

private:
    BITMAP Info() const;

    UniqueBitmap bitmap_;
    UniquePalette palette_;
};
