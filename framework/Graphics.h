#pragma once
// Colours and fonts of the framework.
#include <windows.h>

#include "framework/Handles.h"

constexpr COLORREF clBlack = RGB(0, 0, 0);
constexpr COLORREF clMaroon = RGB(128, 0, 0);
constexpr COLORREF clOlive = RGB(128, 128, 0);
constexpr COLORREF clRed = RGB(255, 0, 0);
inline COLORREF clBtnFace() { return ::GetSysColor(COLOR_BTNFACE); }

// A font by its character height in pixels (the framework's negative
// Height), as in "MS Sans Serif", 8 point = height 11 at 96 pixels per inch.
UniqueFont CreateUiFont(const char* face, int height, bool bold = false);

// The line height of a font (the system font when none) on a window.
int FontLineHeight(HWND window, HFONT font);

// Sets a window's font (the window does not own it).
void SetWindowFont(HWND window, HFONT font);
