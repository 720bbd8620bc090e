#include "framework/Application.h"

#include "framework/DialogKeys.h"
#include "framework/ErrorText.h"

TApplication& Application()
{
    static TApplication application;
    return application;
}

bool TApplication::ProcessMessage(MSG& message)
{
    if (!::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
        return false;
    if (message.message == WM_QUIT) {
        terminated_ = true;
        return true;
    }
    bool handled = false;
    try {
        if (OnMessage)
            OnMessage(message, handled);
    } catch (const std::exception& error) {
        HandleException(error);
        handled = true;
    }
    if (!handled && !HandleDialogKey(message)) {
        ::TranslateMessage(&message);
        ::DispatchMessageA(&message);
    }
    return true;
}

void TApplication::ProcessMessages()
{
    MSG message;
    while (ProcessMessage(message)) {
    }
}

void TApplication::HandleMessage()
{
    MSG message;
    if (!ProcessMessage(message) && !terminated_)
        ::WaitMessage();
}

void TApplication::Run()
{
    while (!terminated_)
        HandleMessage();
    terminated_ = false;  // the loop is over; a later Run starts afresh
}

void TApplication::Terminate()
{
    ::PostQuitMessage(0);
}

bool TApplication::HelpCommand(UINT command, ULONG_PTR data)
{
    const char* file = helpFile_.empty() ? nullptr : helpFile_.c_str();
    return helpFunction_(mainWindow_, file, command, data) != FALSE;
}

void TApplication::HandleException(const std::exception& error)
{
    ShowErrorBox(title_, WithFinalPeriod(error.what()));
}
