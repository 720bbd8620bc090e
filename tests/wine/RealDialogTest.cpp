// The real dialogs, answered by a second thread as a user would.
#include <gtest/gtest.h>

#include <functional>
#include <thread>

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

TEST(RealMessageDialog, HasTheGermanCaptionAndButtons)
{
    std::string caption, yes, no;
    int result;
    {
        DialogUser user(::GetCurrentThreadId(), [&](HWND dialog) {
            caption = TextOf(dialog);
            yes = TextOf(::GetDlgItem(dialog, IDYES));
            no = TextOf(::GetDlgItem(dialog, IDNO));
            Click(dialog, IDNO);
        });
        result = MessageDlg("Delete File A.BMP ?", mtConfirmation, mbYes | mbNo);
    }
    EXPECT_EQ(result, mrNo);
    EXPECT_EQ(caption, "Bestätigen");
    EXPECT_EQ(yes, "&Ja");
    EXPECT_EQ(no, "&Nein");
}

TEST(RealMessageDialog, WarningHasOneOkButton)
{
    std::string caption, ok;
    bool hasCancel = true;
    {
        DialogUser user(::GetCurrentThreadId(), [&](HWND dialog) {
            caption = TextOf(dialog);
            ok = TextOf(::GetDlgItem(dialog, IDOK));
            hasCancel = ::GetDlgItem(dialog, IDCANCEL) != nullptr && ::GetDlgItem(dialog, IDCANCEL) != ::GetDlgItem(dialog, IDOK);
            Click(dialog, IDOK);
        });
        EXPECT_EQ(MessageDlg("Access Error on Drive A: !", mtWarning, mbOK), mrOk);
    }
    EXPECT_EQ(caption, "Warnung");
    EXPECT_EQ(ok, "OK");
    EXPECT_FALSE(hasCancel);
}

TEST(RealInputDialog, OffersTheFullySelectedValueAndReturnsTheNewText)
{
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
            Click(dialog, IDOK);
        });
        accepted = InputQuery("Rename File", "New Name:", value);
    }
    EXPECT_TRUE(accepted);
    EXPECT_EQ(value, "GARDEN.BMP");
    EXPECT_EQ(caption, "Rename File");
    EXPECT_EQ(prompt, "New Name:");
    EXPECT_EQ(initial, "HOUSE.BMP");
    EXPECT_EQ(selectionStart, 0u);
    EXPECT_EQ(selectionEnd, 9u);
    EXPECT_EQ(limit, 255);
    EXPECT_EQ(ok, "OK");
    EXPECT_EQ(cancel, "Abbrechen");
}

TEST(RealInputDialog, CancelKeepsTheValue)
{
    std::string value = "HOUSE.BMP";
    bool accepted;
    {
        DialogUser user(::GetCurrentThreadId(), [&](HWND dialog) {
            ::SendMessageA(::GetDlgItem(dialog, 101), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("OTHER.BMP"));
            Click(dialog, IDCANCEL);
        });
        accepted = InputQuery("Rename File", "New Name:", value);
    }
    EXPECT_FALSE(accepted);
    EXPECT_EQ(value, "HOUSE.BMP");
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
