#include "framework/Graphics.h"

UniqueFont CreateUiFont(const char* face, int height, bool bold)
{
    return UniqueFont(::CreateFontA(-height, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                    OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                    DEFAULT_PITCH | FF_DONTCARE, face));
}

void SetWindowFont(HWND window, HFONT font)
{
    ::SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

int FontLineHeight(HWND window, HFONT font)
{
    WindowDC dc(window);
    SelectedObject selected(dc.get(), font ? static_cast<HGDIOBJ>(font) : ::GetStockObject(SYSTEM_FONT));
    TEXTMETRICA metrics{};
    ::GetTextMetricsA(dc.get(), &metrics);
    return metrics.tmHeight;
}
