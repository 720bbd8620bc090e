#include <gtest/gtest.h>

#include "TestSupport.h"
#include "framework/Form.h"

namespace {

class StyledForm : public TForm {
public:
    explicit StyledForm(DWORD style)
    {
        FormParams params;
        params.className = "LumoTestStyledForm";
        params.style = style;
        params.clientWidth = 120;
        params.clientHeight = 111;
        params.color = clOlive;
        CreateForm(params);
    }
};

} // namespace

TEST(FormStyle, ABorderlessFormIsAFormLikeAnyOther)
{
    for (DWORD style : {kFixedSingleFormStyle, DWORD{WS_POPUP | WS_CLIPCHILDREN}}) {
        StyledForm form(style);
        EXPECT_EQ(static_cast<DWORD>(::GetWindowLongPtrA(form.Handle(), GWL_STYLE)) & (WS_CAPTION | WS_POPUP),
                  style & (WS_CAPTION | WS_POPUP));
        RECT client;
        ::GetClientRect(form.Handle(), &client);
        EXPECT_EQ(client.right, 120);
        EXPECT_EQ(client.bottom, 111);
        ::ShowWindow(form.Handle(), SW_SHOWMAXIMIZED);
        PixelCanvas canvas(8, 8);
        ::SendMessageA(form.Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.dc()), PRF_CLIENT);
        EXPECT_EQ(canvas.Count(clOlive), 64);
    }
}
