#pragma once
// What both owner-drawn lists share when they draw an entry.
#include <windows.h>

struct ItemState {
    bool selected = false;
    bool focused = false;
};

ItemState ItemStateOf(const DRAWITEMSTRUCT& item);

// Fills the rectangle with the control's colour, or the highlight colour
// for a selected entry, and sets the matching text colour.
void PrepareItem(HDC dc, const RECT& rect, ItemState state);
// The focus rectangle, drawn last.
void FinishItem(HDC dc, const RECT& rect, ItemState state);
