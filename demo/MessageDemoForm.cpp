#include "demo/MessageDemoForm.h"

#include "text/PathText.h"

namespace {

constexpr UINT_PTR kStepTimer = 1;
constexpr UINT kStepMilliseconds = 10;

UINT StepMessageFor(const std::string& fileName)
{
    const std::string key = ExtensionKey(fileName);
    if (key == ".SCM")
        return TPicView::kScrollStepMessage;
    if (key == ".CMS")
        return TPicView::kCreditStepMessage;
    return 0;
}

} // namespace

TMessageDemoForm::TMessageDemoForm(const std::string& fileName) : stepMessage_(StepMessageFor(fileName))
{
    FormParams params;
    params.className = "LumoMessageDemo";
    params.style = kFixedSingleFormStyle & ~static_cast<DWORD>(WS_MAXIMIZEBOX);
    params.clientWidth = kViewWidth;
    params.clientHeight = kViewHeight;
    CreateForm(params);
    SetCaption(kCaption);
    view_.Create(Handle(), 1);
    ::SetWindowPos(view_.Handle(), nullptr, 0, 0, kViewWidth, kViewHeight, SWP_NOMOVE | SWP_NOZORDER);
    ::ShowWindow(Handle(), SW_SHOW);
    ::UpdateWindow(Handle());
    // Loaded on the visible window: a credit box draws its first frame at once.
    view_.SetImageName(fileName);
    if (stepMessage_)
        ::SetTimer(Handle(), kStepTimer, kStepMilliseconds, nullptr);
}

TMessageDemoForm::~TMessageDemoForm()
{
    if (Handle())
        ::KillTimer(Handle(), kStepTimer);
}

LRESULT TMessageDemoForm::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_TIMER && wParam == kStepTimer) {
        ::SendMessageA(view_.Handle(), stepMessage_, 0, 0);
        return 0;
    }
    return TForm::WindowProc(message, wParam, lParam);
}
