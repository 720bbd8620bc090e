#pragma once
// Picture files and pictures for the picture control's tests.
#include <windows.h>

#include <string>
#include <utility>
#include <vector>

#include "TestSupport.h"
#include "framework/Bitmap.h"
#include "framework/Form.h"
#include "picture/PicView.h"

std::string TempFile(const std::string& name);
// Writes an RCDATA resource of the test program to a file.
std::string WriteResourceFile(const char* resource, const std::string& name);
// A 24-bit bitmap file of one colour; cut short by the given bytes.
std::string WriteBmpFile(const std::string& name, int width, int height, COLORREF color, std::size_t cut = 0);
// A metafile of 200 x 100 pixels at 96 dpi (placeable unless asked): a red
// rectangle, with an escape record before it when asked.
std::string WriteWmfFile(const std::string& name, bool withEscape = false, bool placeable = true);
std::string WriteTextFile(const std::string& name, const std::string& content);

struct ColorMark {
    RECT rect;
    COLORREF color;
};
// A bitmap filled with one colour and marked with rectangles of others.
TBitmap MakeBitmap(int width, int height, COLORREF fill, const std::vector<ColorMark>& marks = {});

// A form holding one picture control with a client area of the given size.
class PicViewHost : public TForm {
public:
    explicit PicViewHost(int clientWidth = 352, int clientHeight = 264);
    void SetClientSize(int width, int height);
    TPicView View;
};

// The control's client area drawn through WM_PRINTCLIENT, background included.
void PrintClient(TPicView& view, PixelCanvas& canvas);

// The bounding box of the pixels of one colour; empty when there are none.
RECT BoundsOfColor(const PixelCanvas& canvas, int width, int height, COLORREF color);
