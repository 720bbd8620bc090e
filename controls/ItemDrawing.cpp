#include "controls/ItemDrawing.h"

ItemState ItemStateOf(const DRAWITEMSTRUCT& item)
{
    return ItemState{(item.itemState & ODS_SELECTED) != 0, (item.itemState & ODS_FOCUS) != 0};
}

void PrepareItem(HDC dc, const RECT& rect, ItemState state)
{
    int background = state.selected ? COLOR_HIGHLIGHT : COLOR_WINDOW;
    ::FillRect(dc, &rect, ::GetSysColorBrush(background));
    ::SetBkColor(dc, ::GetSysColor(background));
    ::SetTextColor(dc, ::GetSysColor(state.selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    ::SetBkMode(dc, TRANSPARENT);
}

void FinishItem(HDC dc, const RECT& rect, ItemState state)
{
    if (state.focused)
        ::DrawFocusRect(dc, &rect);
}
