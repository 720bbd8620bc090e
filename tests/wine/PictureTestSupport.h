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
std::string WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes);

struct ColorMark {
    RECT rect;
    COLORREF color;
};
TBitmap MakeBitmap(int width, int height, COLORREF fill, const std::vector<ColorMark>& marks = {});

void SetViewClientSize(TPicView& view, int width, int height);

// A form holding one picture control (or a probe derived from it) with a
// client area of the given size.
template <typename ViewType = TPicView>
class BasicPicViewHost : public TForm {
public:
    explicit BasicPicViewHost(int clientWidth = 352, int clientHeight = 264)
    {
        FormParams params;
        params.className = "LumoTestPicViewHost";
        params.clientWidth = 800;
        params.clientHeight = 600;
        CreateForm(params);
        View.Create(Handle(), 1, 4, 4);
        SetClientSize(clientWidth, clientHeight);
        ::ShowWindow(Handle(), SW_SHOWNOACTIVATE);
    }
    void SetClientSize(int width, int height) { SetViewClientSize(View, width, height); }
    ViewType View;
};
using PicViewHost = BasicPicViewHost<>;

// The control's client area drawn through WM_PRINTCLIENT, background included.
void PrintClient(TPicView& view, PixelCanvas& canvas);

// The bounding box of the pixels of one colour; empty when there are none.
RECT BoundsOfColor(const PixelCanvas& canvas, int width, int height, COLORREF color);
