#pragma once
// The framework's modal dialogs: message dialogs with German captions and
// buttons, the text-input dialog, and the two error boxes. Every one goes
// through ShowDialog(), which tests can script.
#include <functional>
#include <string>

enum TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation };

// The system beep sounded just before a dialog shows.
enum TDialogBeep { dbNone, dbError, dbQuestion, dbWarning, dbInformation };

enum TMsgDlgBtn : unsigned { mbYes = 1, mbNo = 2, mbOK = 4, mbCancel = 8 };
using TMsgDlgButtons = unsigned;

// The dialog results (the Win32 command ids).
enum TModalResult { mrNone = 0, mrOk = 1, mrCancel = 2, mrYes = 6, mrNo = 7 };

std::string MsgDlgCaption(TMsgDlgType type);

// Sounds the beep of the dialog's type, shows the message dialog and returns
// the TModalResult of the button pressed.
int MessageDlg(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons);

// The text-input dialog: at most kMaxInputLength characters (counted as the
// system counts a name's), "OK" and "Abbrechen", the initial value fully
// selected. True and the new text on "OK".
constexpr std::size_t kMaxInputLength = 255;
bool InputQuery(const std::string& caption, const std::string& prompt, std::string& value);

// The default error display for an exception inside the message loop.
void ShowErrorBox(const std::string& caption, const std::string& message);
// The run-time's report for an exception that ends the program.
void ShowFatalErrorBox(const std::string& message);

struct DialogRequest {
    enum Kind { Message, Input, ErrorBox, FatalError } kind = Message;
    TMsgDlgType type = mtInformation;
    TMsgDlgButtons buttons = 0;
    TDialogBeep beep = dbNone;
    std::string caption;
    std::string text;   // message text, or the input prompt
    std::string value;  // initial input text
};

struct DialogAnswer {
    int result = mrNone;
    std::string value;  // the input text on mrOk
};

using DialogScript = std::function<DialogAnswer(const DialogRequest&)>;

// Every dialog above goes through here: to the real dialog, or to the
// application's dialog script when one is set (tests).
DialogAnswer ShowDialog(const DialogRequest& request);
