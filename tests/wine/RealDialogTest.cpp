// The real dialogs, answered by a second thread as a user would.

#include <functional>
#include <thread>

#include "TestSupport.h"
#include "app/TForm1.h"

namespace {

BOOL CALLBACK FindDialog(HWND window, LPARAM found)
{
    char className[16] = {};
    ::GetClassNameA(window, className, sizeof className);
    if (std::string(className) != "#32770" || !::IsWindowVisible(window))
        return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

// Waits on another thread for a dialog of this thread and hands it to the
// user's hand.
class DialogUser {
public:
    explicit DialogUser(std::function<void(HWND)> act)
        : worker_([thread = ::GetCurrentThreadId(), act] {
              HWND found = nullptr;
              for (int i = 0; i < 500 && !found; ++i, ::Sleep(10))
                  ::EnumThreadWindows(thread, FindDialog, reinterpret_cast<LPARAM>(&found));
              if (found)
                  act(found);
          })
    {
    }
    ~DialogUser() { worker_.join(); }

private:
    std::thread worker_;
};

// Without a window manager the X server sometimes hands the input focus to
// its root window as a closing box unmaps, and Wine then makes the desktop
// the foreground window. A user would click the form to get it back; the
// focus must then return to the control that had it.
void TakeBackFromTheDesktop(HWND form)
{
    if (::GetForegroundWindow() != ::GetDesktopWindow())
        return;
    ::SetForegroundWindow(form);
    PumpMessages();
}

} // namespace

TEST(RealMessageDialog, HasTheGermanCaptionAndButtonsOfItsType)
{
    struct Case {
        TMsgDlgType type;
        TMsgDlgButtons buttons;
        std::vector<int> shown;         // the last one is clicked
        std::vector<std::string> seen;  // caption and button texts
        int absent, result;
    };
    const Case cases[] = {
        {mtConfirmation, mbYes | mbNo, {IDYES, IDNO}, {"Bestätigen", "&Ja", "&Nein"}, IDOK, mrNo},
        {mtWarning, mbOK, {IDOK}, {"Warnung", "OK"}, IDCANCEL, mrOk},
    };
    for (const Case& c : cases) {
        std::vector<std::string> seen;
        bool absentShown = true;
        int result;
        {
            DialogUser user([&](HWND dialog) {
                seen.push_back(TextOf(dialog));
                for (int id : c.shown)
                    seen.push_back(TextOf(::GetDlgItem(dialog, id)));
                HWND absent = ::GetDlgItem(dialog, c.absent);
                absentShown = absent != nullptr && absent != ::GetDlgItem(dialog, c.shown.back());
                Click(dialog, c.shown.back());
            });
            result = MessageDlg("Delete File A.BMP ?", c.type, c.buttons);
        }
        EXPECT_EQ(result, c.result);
        EXPECT_EQ(seen, c.seen);
        EXPECT_FALSE(absentShown) << c.seen[0];
    }
}

TEST(RealInputDialog, OffersTheFullySelectedValueAndReturnsTheNewTextOnlyOnOk)
{
    for (int button : {IDOK, IDCANCEL}) {
        std::vector<std::string> seen;  // caption, prompt, value, selection, limit, buttons
        std::string value = "HOUSE.BMP";
        bool accepted;
        {
            DialogUser user([&](HWND dialog) {
                HWND edit = ::GetDlgItem(dialog, 101);
                DWORD start = 1, end = 0;
                ::SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
                const LRESULT limit = ::SendMessageA(edit, EM_GETLIMITTEXT, 0, 0);
                seen = {TextOf(dialog), TextOf(::GetDlgItem(dialog, 100)), TextOf(edit),
                        std::to_string(start) + "-" + std::to_string(end), std::to_string(limit),
                        TextOf(::GetDlgItem(dialog, IDOK)), TextOf(::GetDlgItem(dialog, IDCANCEL))};
                ::SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("GARDEN.BMP"));
                Click(dialog, button);
            });
            accepted = InputQuery("Rename File", "New Name:", value);
        }
        EXPECT_EQ(accepted, button == IDOK);
        EXPECT_EQ(value, button == IDOK ? "GARDEN.BMP" : "HOUSE.BMP");
        EXPECT_EQ(seen, (std::vector<std::string>{"Rename File", "New Name:", "HOUSE.BMP", "0-9", "255", "OK",
                                                  "Abbrechen"}));
    }
}

TEST(RealErrorBoxes, CarryTheTitleOrTheRunTimeCaption)
{
    std::vector<std::string> seen;
    auto note = [&](HWND dialog) {
        seen.insert(seen.end(), {TextOf(dialog), TextOf(::GetDlgItem(dialog, 0xFFFF))});
        Click(dialog, IDOK);
    };
    {
        DialogUser user(note);
        ShowErrorBox("Lumoscope32 - [Noname]", "Datei nicht gefunden.");
    }
    {
        DialogUser user(note);
        ShowFatalErrorBox("Dateizugriff verweigert.");
    }
    EXPECT_EQ(seen, (std::vector<std::string>{"Lumoscope32 - [Noname]", "Datei nicht gefunden.", "Anwendungsfehler",
                                              "Dateizugriff verweigert."}));
}

TEST(RealDialogFocus, EveryDialogGivesTheFocusBackToTheControlThatHadIt)
{
    ScratchFolder folder("lumo-focus");
    folder.File("a.bmp");
    ScratchDrive floppy('A', "", DRIVE_REMOVABLE);
    TForm1 form;
    form.FileListBox1.SetFileName(folder.Path());
    form.FileListBox1.SetItemIndex(form.FileListBox1.IndexOfName("a.bmp"));
    const HWND list = form.FileListBox1.Handle();
    auto PostSystemCommand = [&](UINT command) {
        ::PostMessageA(form.Handle(), WM_SYSCOMMAND, command, 0);
        PumpMessages();
    };
    struct Case {
        const char* dialog;
        HWND control;
        std::function<void()> open;
        int button;
    };
    const Case cases[] = {
        {"Del's question", list, [&] { PressKey(list, VK_DELETE); }, IDNO},
        {"Rename", list, [&] { PressKey(list, VK_INSERT); }, IDCANCEL},
        {"drive warning", form.DriveComboBox1.Handle(), [&] { form.DriveComboBox1.SetDrive('A'); }, IDOK},
        {"About", form.Edit1.Handle(), [&] { PostSystemCommand(TForm1::kAboutCommand); }, IDOK},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.dialog);
        ::SetFocus(c.control);
        bool answered = false;
        {
            DialogUser user([&](HWND dialog) {
                answered = true;
                Click(dialog, c.button);
            });
            c.open();
        }
        EXPECT_TRUE(answered);
        TakeBackFromTheDesktop(form.Handle());
        EXPECT_EQ(::GetFocus(), c.control);
    }
}
