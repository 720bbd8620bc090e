#include "framework/Dialogs.h"

#include "framework/Application.h"
#include "framework/RealDialogs.h"
#include "text/Utf8Length.h"

std::string MsgDlgCaption(TMsgDlgType type)
{
    switch (type) {
    case mtWarning: return "Warnung";
    case mtError: return "Fehler";
    case mtInformation: return "Information";
    case mtConfirmation: return "Bestätigen";
    }
    return {};
}

namespace {

TDialogBeep BeepOf(TMsgDlgType type)
{
    switch (type) {
    case mtWarning: return dbWarning;
    case mtError: return dbError;
    case mtInformation: return dbInformation;
    case mtConfirmation: return dbQuestion;
    }
    return dbNone;
}

} // namespace

DialogAnswer ShowDialog(const DialogRequest& request)
{
    if (const DialogScript& script = Application().DialogScriptHook())
        return script(request);
    SoundDialogBeep(request.beep);
    switch (request.kind) {
    case DialogRequest::Message: return {ShowRealMessageDialog(request), {}};
    case DialogRequest::Input: return ShowRealInputDialog(request);
    case DialogRequest::ErrorBox: return {ShowRealErrorBox(request, MB_OK | MB_ICONERROR), {}};
    case DialogRequest::FatalError: return {ShowRealErrorBox(request, MB_OK | MB_ICONERROR | MB_TASKMODAL), {}};
    }
    return {};
}

int MessageDlg(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons)
{
    DialogRequest request;
    request.kind = DialogRequest::Message;
    request.type = type;
    request.beep = BeepOf(type);
    request.buttons = buttons;
    request.caption = MsgDlgCaption(type);
    request.text = text;
    return ShowDialog(request).result;
}

bool InputQuery(const std::string& caption, const std::string& prompt, std::string& value)
{
    DialogRequest request;
    request.kind = DialogRequest::Input;
    request.buttons = mbOK | mbCancel;
    request.caption = caption;
    request.text = prompt;
    request.value = value;
    DialogAnswer answer = ShowDialog(request);
    if (answer.result != mrOk)
        return false;
    value = CutToUtf16Length(answer.value, kMaxInputLength);
    return true;
}

void ShowErrorBox(const std::string& caption, const std::string& message)
{
    DialogRequest request;
    request.kind = DialogRequest::ErrorBox;
    request.type = mtError;
    request.buttons = mbOK;
    request.caption = caption;
    request.text = message;
    ShowDialog(request);
}

void ShowFatalErrorBox(const std::string& message)
{
    DialogRequest request;
    request.kind = DialogRequest::FatalError;
    request.type = mtError;
    request.buttons = mbOK;
    request.caption = "Anwendungsfehler";
    request.text = message;
    ShowDialog(request);
}
