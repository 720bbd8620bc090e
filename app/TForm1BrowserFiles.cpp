// The browser panel's file operations: delete and rename with Del and Ins,
// opening directories and pictures with Enter and a double click.
#include "text/PathText.h"
#include "app/ProgramValues.h"
#include "app/TForm1.h"
#include "framework/Dialogs.h"
#include "framework/Files.h"

namespace {

constexpr char kCarriageReturn = '\r';

void Warn(const char* text)
{
    MessageDlg(text, mtWarning, mbOK);
}

} // namespace

// Files are named by their full path: the process's current directory may
// have moved away from the listed one (a dialog, another window).
std::string TForm1::ListedPath(const std::string& name) const
{
    return IsRootedPath(name) ? name : JoinPath(FileListBox1.Directory(), name);
}

std::string TForm1::SelectedEntryText() const
{
    const int index = FileListBox1.ItemIndex();
    return index >= 0 ? FileListBox1.Items()[static_cast<std::size_t>(index)].text : std::string();
}

// An entry whose attribute query fails counts as a directory.
bool TForm1::SelectedEntryIsFile() const
{
    return FileListBox1.ItemIndex() >= 0 && FileExists(ListedPath(SelectedEntryText()));
}

void TForm1::FileListBox1KeyDown(WORD& key, TShiftState /*shift*/)
{
    if ((key != VK_DELETE && key != VK_INSERT) || !SelectedEntryIsFile())
        return;
    if (key == VK_DELETE)
        DeleteSelectedFile();
    else
        RenameSelectedFile();
}

void TForm1::DeleteSelectedFile()
{
    const int index = FileListBox1.ItemIndex();
    const std::string name = SelectedEntryText();
    if (MessageDlg("Delete File " + name + " ?", mtConfirmation, mbYes | mbNo) != mrYes)
        return;
    if (::DeleteFileA(ListedPath(name).c_str()))
        RereadKeepingIndex(index);
    else
        Warn("Error occured while deleting file !");
}

void TForm1::RenameSelectedFile()
{
    const int index = FileListBox1.ItemIndex();
    const std::string name = SelectedEntryText();
    std::string newName = name;
    if (!InputQuery("Rename File", "New Name:", newName))
        return;
    if (::MoveFileA(ListedPath(name).c_str(), ListedPath(newName).c_str()))
        RereadKeepingIndex(index);
    else
        Warn("Error occured while renaming file !");
}

void TForm1::RereadKeepingIndex(int index)
{
    FileListBox1.Update();
    const int count = static_cast<int>(FileListBox1.Items().size());
    FileListBox1.SetItemIndex(index < count ? index : count - 1);
}

void TForm1::FileListBox1KeyPress(char& key)
{
    if (key == kCarriageReturn)
        FileListBox1DblClick(FileListBox1);
}

void TForm1::FileListBox1DblClick(TFileListBox& /*sender*/)
{
    const std::string selected = FileListBox1.FileName();
    if (!FileExists(selected)) {
        FileListBox1.SetFileName(FileNamePart(selected));
        RefreshPathLine();
    }
    const std::string path = FileListBox1.FileName();
    if (IsSupportedExtension(path) && FileExists(path))
        LoadPicture(path);
}
