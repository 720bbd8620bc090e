// The real dialogs, answered by a second thread as a user would.
#include <gtest/gtest.h>

#include <functional>
#include <thread>
#include <utility>
#include <vector>

#include "ScratchTestSupport.h"
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

void Click(HWND dialog, int id) { ::PostMessageA(::GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

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

void Key(HWND window, WORD key)
{
    ::SendMessageA(window, WM_KEYDOWN, key, 1);
    ::SendMessageA(window, WM_KEYUP, key, 0xC0000001);
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
        std::string caption, prompt, initial, ok, cancel;
        DWORD selectionStart = 1, selectionEnd = 0;
        LRESULT limit = 0;
        std::string value = "HOUSE.BMP";
        bool accepted;
        {
            DialogUser user(::GetCurrentThreadId(), [&](HWND dialog) {
                caption = TextOf(dialog);
                prompt = TextOf(::GetDlgItem(dialog, 100));
                HWND edit = ::GetDlgItem(dialog, 101);
                initial = TextOf(edit);
                ::SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&selectionStart),
                               reinterpret_cast<LPARAM>(&selectionEnd));
                limit = ::SendMessageA(edit, EM_GETLIMITTEXT, 0, 0);
                ok = TextOf(::GetDlgItem(dialog, IDOK));
                cancel = TextOf(::GetDlgItem(dialog, IDCANCEL));
                ::SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("GARDEN.BMP"));
                Click(dialog, button);
            });
            accepted = InputQuery("Rename File", "New Name:", value);
        }
        EXPECT_EQ(accepted, button == IDOK);
        EXPECT_EQ(value, button == IDOK ? "GARDEN.BMP" : "HOUSE.BMP");
        EXPECT_EQ(caption, "Rename File");
        EXPECT_EQ(prompt, "New Name:");
        EXPECT_EQ(initial, "HOUSE.BMP");
        EXPECT_EQ(selectionStart, 0u);
        EXPECT_EQ(selectionEnd, 9u);
        EXPECT_EQ(limit, 255);
        EXPECT_EQ(ok, "OK");
        EXPECT_EQ(cancel, "Abbrechen");
    }
}

TEST(RealErrorBoxes, CarryTheTitleOrTheRunTimeCaption)
{
    std::string errorCaption, fatalCaption, fatalText;
    {
        DialogUser user(::GetCurrentThreadId(), [&](HWND dialog) {
            errorCaption = TextOf(dialog);
            Click(dialog, IDOK);
        });
        ShowErrorBox("Lumoscope32 - [Noname]", "Datei nicht gefunden.");
    }
    {
        DialogUser user(::GetCurrentThreadId(), [&](HWND dialog) {
            fatalCaption = TextOf(dialog);
            fatalText = TextOf(::GetDlgItem(dialog, 0xFFFF));
            Click(dialog, IDOK);
        });
        ShowFatalErrorBox("Dateizugriff verweigert.");
    }
    EXPECT_EQ(errorCaption, "Lumoscope32 - [Noname]");
    EXPECT_EQ(fatalCaption, "Anwendungsfehler");
    EXPECT_EQ(fatalText, "Dateizugriff verweigert.");
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
        {"Del's question", list, [&] { Key(list, VK_DELETE); }, IDNO},
        {"Rename", list, [&] { Key(list, VK_INSERT); }, IDCANCEL},
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
