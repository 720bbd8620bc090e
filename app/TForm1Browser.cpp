// The browser panel: drive check, the name field's type-ahead search and the
// keys that move between the browser's controls.
#include "app/ProgramValues.h"
#include "app/TForm1.h"
#include "app/TypeAheadSearch.h"
#include "controls/ErrorModeGuard.h"
#include "framework/Dialogs.h"
#include "text/AsciiCase.h"

namespace {

constexpr char kCarriageReturn = '\r';

// Asks for the volume size without letting the platform show a box.
bool DriveAnswers(char drive)
{
    const std::string root{UpperAscii(drive), ':', '\\'};
    ErrorModeGuard noCriticalErrors;
    DWORD sectors, bytes, freeClusters, clusters;
    return ::GetDiskFreeSpaceA(root.c_str(), &sectors, &bytes, &freeClusters, &clusters) != FALSE;
}

} // namespace

void TForm1::ConnectBrowserEvents()
{
    DriveComboBox1.OnChange = [this](TDriveComboBox& sender) { DriveComboBox1Change(sender); };
    DriveComboBox1.Keys.OnKeyPress = [this](char& key) { DriveComboBox1KeyPress(key); };
    Edit1Keys.Keys.OnKeyPress = [this](char& key) { Edit1KeyPress(key); };
    Edit1Keys.Keys.OnKeyUp = [this](WORD& key, TShiftState shift) { Edit1KeyUp(key, shift); };
    FileListBox1.Keys.OnKeyDown = [this](WORD& key, TShiftState shift) { FileListBox1KeyDown(key, shift); };
    FileListBox1.Keys.OnKeyPress = [this](char& key) { FileListBox1KeyPress(key); };
    FileListBox1.OnDblClick = [this](TFileListBox& sender) { FileListBox1DblClick(sender); };
}

void TForm1::DriveComboBox1Change(TDriveComboBox& /*sender*/)
{
    const char drive = DriveComboBox1.Drive();
    if (!DriveAnswers(drive)) {
        MessageDlg(std::string("Access Error on Drive ") + drive + ":" + " !", mtWarning, mbOK);
        DriveComboBox1.SetDrive(LastGoodDrive);
        return;
    }
    FileListBox1.SetFileName(std::string{drive, ':'});
    ::InvalidateRect(FileListBox1.Handle(), nullptr, TRUE);
    ::UpdateWindow(FileListBox1.Handle());
    FileListBox1.SetItemIndex(0);
    RefreshPathLine();
    LastGoodDrive = drive;
}

void TForm1::DriveComboBox1KeyPress(char& key)
{
    if (key == kCarriageReturn)
        Edit1.SetFocus();
}

void TForm1::Edit1KeyPress(char& key)
{
    if (key != kCarriageReturn) {
        Edit1Typing = true;
        return;
    }
    FileListBox1DblClick(FileListBox1);
    FileListBox1.SetFocus();
    key = 0;
}

void TForm1::Edit1KeyUp(WORD& /*key*/, TShiftState /*shift*/)
{
    Edit1Typing = true;
    Edit1Change();
}

void TForm1::Edit1Change()
{
    if (Edit1Typing) {
        const auto& items = FileListBox1.Items();
        FileListBox1.SetItemIndex(TypeAheadIndex(Edit1.Text(), items.size(),
                                                 [&items](std::size_t i) -> std::string_view { return items[i].text; }));
    }
    Edit1Typing = false;
}
