// The real dialogs and the error display, answered by a second thread as a
// user would.

#include <atomic>
#include <functional>
#include <thread>

#include "TestSupport.h"
#include "app/TForm1.h"
#include "framework/Exceptions.h"
#include "framework/Form.h"

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
// user's hand; closes any other dialog that comes up so a failing test ends.
class DialogUser {
public:
    explicit DialogUser(std::function<void(HWND)> act)
        : worker_([this, thread = ::GetCurrentThreadId(), act] {
              HWND first = nullptr;
              for (int i = 0; i < 500 && !done_; ++i, ::Sleep(10)) {
                  HWND found = nullptr;
                  ::EnumThreadWindows(thread, FindDialog, reinterpret_cast<LPARAM>(&found));
                  if (found && !first)
                      act(first = found);
                  else if (found && found != first && (other_ = true))
                      ::PostMessageA(found, WM_CLOSE, 0, 0);
              }
          })
    {
    }
    ~DialogUser()
    {
        done_ = true;
        worker_.join();
        EXPECT_FALSE(other_) << "another dialog came up";
    }

private:
    std::atomic<bool> done_{false}, other_{false};
    std::thread worker_;
};

// A window whose handler fails with the message in lParam.
class FailingWindow : public TForm {
public:
    FailingWindow() { CreateForm(FormParams{"LumoTestFailing"}); }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_USER)
            throw Exception(reinterpret_cast<const char*>(lParam));
        return TForm::WindowProc(message, wParam, lParam);
    }
};

} // namespace

// The caption and the texts of the listed controls (none: ""); the last one is clicked.
TEST(RealDialogs, MessageAndErrorBoxesShowTheirGermanCaptionsAndButtons)
{
    Application().SetTitle("Lumoscope32 - [Noname]");
    FailingWindow window;
    Application().OnMessage = [](MSG& message, bool&) {
        if (message.message == WM_USER + 7)
            throw EInOutError(2);
    };
    struct Case {
        std::function<int()> open;
        std::vector<int> shown;
        std::vector<std::string> seen;
        int result;
    };
    const Case cases[] = {
        {[] { return MessageDlg("Delete File A.BMP ?", mtConfirmation, mbYes | mbNo); }, {IDCANCEL, IDYES, IDNO},
         {"Bestätigen", "", "&Ja", "&Nein"}, mrNo},  // and no Cancel
        {[] { return ShowFatalErrorBox("Dateizugriff verweigert."), 0; }, {0xFFFF, IDOK},
         {"Anwendungsfehler", "Dateizugriff verweigert.", "OK"}, 0},
        // A failing handler or message hook: the program's title over the message with a final period.
        {[&] { return int(::SendMessageA(window.Handle(), WM_USER, 0, reinterpret_cast<LPARAM>("Broke"))); },
         {0xFFFF, IDOK}, {"Lumoscope32 - [Noname]", "Broke.", "OK"}, 0},
        {[] { return ::PostThreadMessageA(::GetCurrentThreadId(), WM_USER + 7, 0, 0), PumpMessages(), 0; },
         {0xFFFF, IDOK}, {"Lumoscope32 - [Noname]", "Datei nicht gefunden.", "OK"}, 0},
    };
    for (const Case& c : cases) {
        std::vector<std::string> seen;
        int result;
        {
            DialogUser user([&](HWND dialog) {
                seen.push_back(TextOf(dialog));
                for (int id : c.shown)
                    seen.push_back(TextOf(::GetDlgItem(dialog, id)));
                Click(dialog, c.shown.back());
            });
            result = c.open();
        }
        EXPECT_EQ(seen, c.seen);
        EXPECT_EQ(result, c.result) << c.seen[0];
    }
    Application().OnMessage = nullptr;
}

// The rename's input dialog offers the fully selected name and renames only on
// OK; it and the drive's warning each give the focus back.
TEST(RealDialogs, TheInputDialogRenamesOnlyOnOkAndEachDialogGivesTheFocusBack)
{
    ScratchFolder folder("lumo-focus");
    folder.File("a.bmp");
    ScratchDrive floppy('A');
    TForm1 form;
    form.FileListBox1.SetFileName(folder.Path());
    form.FileListBox1.SetItemIndex(form.FileListBox1.IndexOfName("a.bmp"));
    const HWND list = form.FileListBox1.Handle(), box = form.DriveComboBox1.Handle();
    std::vector<std::string> seen;  // caption, prompt, value, selection, limit, buttons; the warning's caption, button
    auto rename = [&](int button) {
        return [&, button](HWND dialog) {
            HWND edit = ::GetDlgItem(dialog, 101);
            DWORD start = 1, end = 0;
            ::SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
            seen = {TextOf(dialog), TextOf(::GetDlgItem(dialog, 100)), TextOf(edit),
                    std::to_string(start) + "-" + std::to_string(end),
                    std::to_string(::SendMessageA(edit, EM_GETLIMITTEXT, 0, 0)), TextOf(::GetDlgItem(dialog, IDOK)),
                    TextOf(::GetDlgItem(dialog, IDCANCEL))};
            ::SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(button == IDOK ? "b.bmp" : "c.bmp"));
            Click(dialog, button);
        };
    };
    auto warning = [&](HWND dialog) {
        seen.insert(seen.end(), {TextOf(dialog), TextOf(::GetDlgItem(dialog, IDOK))});
        Click(dialog, IDOK);
    };
    using Case = std::tuple<HWND, std::function<void()>, std::function<void(HWND)>>;
    const auto ins = [&] { PressKey(list, VK_INSERT); };
    for (auto [control, open, answer] : {Case{list, ins, rename(IDCANCEL)}, Case{list, ins, rename(IDOK)},
                                         Case{box, [&] { form.DriveComboBox1.SetDrive('A'); }, warning}}) {
        ::SetFocus(control);
        {
            DialogUser user(answer);
            open();
        }
        // Without a window manager the X server sometimes hands the focus to its root window as a box
        // unmaps; a user would click the form to get it back.
        if (::GetForegroundWindow() == ::GetDesktopWindow()) {
            ::SetForegroundWindow(form.Handle());
            PumpMessages();
        }
        EXPECT_EQ(::GetFocus(), control);
        ::SetFocus(form.Handle());
        EXPECT_EQ(::GetFocus(), control) << "the form passes its own focus on";
    }
    EXPECT_EQ(seen, (std::vector<std::string>{"Rename File", "New Name:", "a.bmp", "0-5", "255", "OK", "Abbrechen",
                                              "Warnung", "OK"}));
    EXPECT_TRUE(Exists(folder / "b.bmp"));
}

// A name may have 255 characters however many bytes they take: 90 CJK
// characters (270 bytes) come back whole, and a longer text is cut between
// characters.
TEST(RealDialogs, TheInputLimitCountsCharactersAndCutsNone)
{
    auto repeated = [](const std::string& text, int times) {
        std::string result;
        for (int i = 0; i < times; ++i)
            result += text;
        return result;
    };
    const std::string cjk = "\xE7\x94\xBB";
    for (const auto& [typed, kept] : {std::pair{repeated(cjk, 90) + ".bmp", repeated(cjk, 90) + ".bmp"},
                                      {repeated(cjk, 300), repeated(cjk, 255)}}) {
        ScriptedDialogs dialogs;
        dialogs.Answer(mrOk, typed);
        std::string value = "a.bmp";
        ASSERT_TRUE(InputQuery("Rename File", "New Name:", value));
        EXPECT_EQ(value, kept);
    }
}
