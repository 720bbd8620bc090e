// Message dialogs are system message boxes whose buttons a thread-local CBT
// hook renames to the framework's German texts while the box is created.
#include "framework/Handles.h"
#include "framework/RealDialogs.h"

namespace {

UINT IconStyle(TMsgDlgType type)
{
    switch (type) {
    case mtWarning: return MB_ICONWARNING;
    case mtError: return MB_ICONERROR;
    case mtInformation: return MB_ICONINFORMATION;
    case mtConfirmation: return MB_ICONQUESTION;
    }
    return 0;
}

UINT ButtonStyle(TMsgDlgButtons buttons)
{
    if ((buttons & (mbYes | mbNo)) == (mbYes | mbNo))
        return (buttons & mbCancel) ? MB_YESNOCANCEL : MB_YESNO;
    if ((buttons & (mbOK | mbCancel)) == (mbOK | mbCancel))
        return MB_OKCANCEL;
    return MB_OK;
}

LRESULT CALLBACK RenameButtons(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_ACTIVATE) {
        HWND box = reinterpret_cast<HWND>(wParam);
        ::SetDlgItemTextA(box, IDYES, "&Ja");
        ::SetDlgItemTextA(box, IDNO, "&Nein");
        ::SetDlgItemTextA(box, IDOK, "OK");
        ::SetDlgItemTextA(box, IDCANCEL, "Abbrechen");
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

int ShowMessageBox(const DialogRequest& request, UINT style)
{
    UniqueHook hook(::SetWindowsHookExA(WH_CBT, RenameButtons, nullptr, ::GetCurrentThreadId()));
    HWND owner = ::GetActiveWindow();
    return ::MessageBoxA(owner, request.text.c_str(), request.caption.c_str(), style);
}

} // namespace

void SoundDialogBeep(TDialogBeep beep)
{
    switch (beep) {
    case dbNone: return;
    case dbError: ::MessageBeep(MB_ICONERROR); return;
    case dbQuestion: ::MessageBeep(MB_ICONQUESTION); return;
    case dbWarning: ::MessageBeep(MB_ICONWARNING); return;
    case dbInformation: ::MessageBeep(MB_ICONINFORMATION); return;
    }
}

int ShowRealMessageDialog(const DialogRequest& request)
{
    return ShowMessageBox(request, IconStyle(request.type) | ButtonStyle(request.buttons));
}

int ShowRealErrorBox(const DialogRequest& request, UINT style)
{
    return ShowMessageBox(request, style);
}
