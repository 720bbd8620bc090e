// The real dialogs, answered by a second thread as a user would.

#include <functional>
#include <thread>
#include <utility>
#include <vector>

#include "TestSupport.h"
#include "app/TForm1.h"

namespace {

struct DialogSearch {
    HWND found = nullptr;
};

BOOL CALLBACK FindDialog(HWND window, LPARAM parameter)
{
    char className[16] = {};
    ::GetClassNameA(window, className, sizeof className);
    if (std::string(className) == "#32770" && ::IsWindowVisible(window)) {
        reinterpret_cast<DialogSearch*>(parameter)->found = window;
        return FALSE;
    }
    return TRUE;
}

// Waits on another thread for a dialog of the given thread and hands it to
// the user's hand.
class DialogUser {
public:
    DialogUser(DWORD thread, std::function<void(HWND)> act)
        : worker_([thread, act] {
              for (int i = 0; i < 500; ++i) {
                  DialogSearch search;
                  ::EnumThreadWindows(thread, FindDialog, reinterpret_cast<LPARAM>(&search));
                  if (search.found) {
                      act(search.found);
                      return;
                  }
                  ::Sleep(10);
              }
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
        int click;
        int result;
        const char* caption;
        std::vector<std::pair<int, std::string>> shown;  // button id and text
        int absent;
    };
    const Case cases[] = {
        {mtConfirmation, mbYes | mbNo, IDNO, mrNo, "Bestätigen", {{IDYES, "&Ja"}, {IDNO, "&Nein"}}, IDOK},
        {mtWarning, mbOK, IDOK, mrOk, "Warnung", {{IDOK, "OK"}}, IDCANCEL},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.caption);
        std::string caption;
        std::vector<std::pair<int, std::string>> shown;
        bool absentShown = true;
        int result;
        {
            DialogUser user(::GetCurrentThreadId(), [&](HWND dialog) {
                caption = TextOf(dialog);
                for (const auto& button : c.shown)
                    shown.emplace_back(button.first, TextOf(::GetDlgItem(dialog, button.first)));
                HWND absent = ::GetDlgItem(dialog, c.absent);
                absentShown = absent != nullptr && absent != ::GetDlgItem(dialog, c.click);
                Click(dialog, c.click);
            });
            result = MessageDlg("Delete File A.BMP ?", c.type, c.buttons);
        }
        EXPECT_EQ(result, c.result);
        EXPECT_EQ(caption, c.caption);
        EXPECT_EQ(shown, c.shown);
        EXPECT_FALSE(absentShown);
    }
}

TEST(RealInputDialog, OffersTheFullySelectedValueAndReturnsTheNewTextOnlyOnOk)
{
    for (int button : {IDOK, IDCANCEL}) {
        std::vector<std::string> seen;  // caption, prompt, value, selection, limit, buttons
        std::string value = "HOUSE.BMP";
        bool accepted;
        {
            DialogUser user(::GetCurrentThreadId(), [&](HWND dialog) {
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
        DialogUser user(::GetCurrentThreadId(), note);
        ShowErrorBox("Lumoscope32 - [Noname]", "Datei nicht gefunden.");
    }
    {
        DialogUser user(::GetCurrentThreadId(), note);
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
        {"About",
         form.Edit1.Handle(),
         [&] {
             ::PostMessageA(form.Handle(), WM_SYSCOMMAND, TForm1::kAboutCommand, 0);
             PumpMessages();
         },
         IDOK},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.dialog);
        ::SetFocus(c.control);
        bool answered = false;
        {
            DialogUser user(::GetCurrentThreadId(), [&](HWND dialog) {
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
