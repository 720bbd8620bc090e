#pragma once
// Picture files and pictures for the picture control's tests.
#include <windows.h>

#include <string>
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

// A bitmap of one colour with rectangles of others on it.
TBitmap MakeBitmap(int width, int height, COLORREF fill, const std::vector<std::pair<RECT, COLORREF>>& marks = {});

// A form holding one picture control (or a probe derived from it) of 352 x 264 client pixels.
template <typename ViewType = TPicView>
class BasicPicViewHost : public TForm {
public:
    BasicPicViewHost()
    {
        FormParams params;
        params.className = "LumoTestPicViewHost";
        params.clientWidth = 800;
        params.clientHeight = 600;
        CreateForm(params);
        View.Create(Handle(), 1, 4, 4);
        SetClientSize(352, 264);
        ::ShowWindow(Handle(), SW_SHOWNOACTIVATE);
    }
    void SetClientSize(int width, int height)
    {
        RECT frame{0, 0, width, height};
        ::AdjustWindowRectEx(&frame, static_cast<DWORD>(::GetWindowLongPtrA(View.Handle(), GWL_STYLE)), FALSE, 0);
        ::SetWindowPos(View.Handle(), nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                       SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    ViewType View;
};
using PicViewHost = BasicPicViewHost<>;

// A test with a hosted picture control (or probe) and scripted dialogs.
template <typename ViewType = TPicView>
class PicViewTest : public ::testing::Test {
protected:
    BasicPicViewHost<ViewType> host;
    ViewType& view = host.View;
    ScriptedDialogs dialogs;
};

// The bounding box (right and bottom included) of the pixels of one colour;
// empty when there are none.
RECT BoundsOfColor(const PixelCanvas& canvas, int width, int height, COLORREF color);

// The control's client area drawn through WM_PRINTCLIENT, background included.
struct PrintedView : PixelCanvas {
    explicit PrintedView(TPicView& view, int width = 352, int height = 264);
    RECT Bounds(COLORREF color) const { return BoundsOfColor(*this, width, height, color); }
    int width, height;
};
