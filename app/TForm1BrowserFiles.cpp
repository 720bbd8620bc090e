// The browser panel's file operations: delete and rename with Del and Ins,
// opening directories and pictures with Enter and a double click.
#include "app/TForm1.h"

#include <shellapi.h>

#include "text/PathText.h"
#include "app/ProgramValues.h"
#include "framework/Dialogs.h"
#include "framework/Files.h"

namespace {

constexpr char kCarriageReturn = '\r';

void Warn(const char* text)
{
    MessageDlg(text, mtWarning, mbOK);
}

// Network, removable and CD drives have no Recycle Bin: the shell would
// delete for good without saying so.
bool HasRecycleBin(const std::string& path)
{
    if (path.size() < 3 || path[1] != ':' || path[2] != '\\')
        return false;
    return ::GetDriveTypeA(path.substr(0, 3).c_str()) == DRIVE_FIXED;
}

bool MoveToRecycleBin(const std::string& path)
{
    const std::string from = path + '\0';  // a list of names, ended by an empty one
    SHFILEOPSTRUCTA operation{};
    operation.wFunc = FO_DELETE;
    operation.pFrom = from.c_str();
    operation.fFlags = FOF_ALLOWUNDO | FOF_NOCONFIRMATION | FOF_SILENT | FOF_NOERRORUI;
    return ::SHFileOperationA(&operation) == 0 && !operation.fAnyOperationsAborted && !FileExists(path);
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

void TForm1::FileListBox1KeyDown(WORD& key, TShiftState shift)
{
    if ((key != VK_DELETE && key != VK_INSERT) || !SelectedEntryIsFile())
        return;
    if (key == VK_DELETE)
        DeleteSelectedFile((shift & ssShift) != 0);
    else
        RenameSelectedFile();
}

// Del moves the file to the Recycle Bin; Shift+Del, or Del on a drive
// without one, deletes it for good, and the question says so.
void TForm1::DeleteSelectedFile(bool forGood)
{
    const int index = FileListBox1.ItemIndex();
    const std::string name = SelectedEntryText();
    const std::string path = ListedPath(name);
    const bool recycle = !forGood && HasRecycleBin(path);
    const std::string question = "Delete File " + name + (recycle ? " ?" : " for good ?");
    if (MessageDlg(question, mtConfirmation, mbYes | mbNo) != mrYes)
        return;
    if (!(recycle ? MoveToRecycleBin(path) : ::DeleteFileA(path.c_str()) != FALSE)) {
        Warn("Error occured while deleting file !");
        return;
    }
    ForgetShownPicture(path);
    RereadKeepingIndex(index);
}

void TForm1::RenameSelectedFile()
{
    const int index = FileListBox1.ItemIndex();
    const std::string name = SelectedEntryText();
    std::string newName = name;
    if (!InputQuery("Rename File", "New Name:", newName))
        return;
    if (!::MoveFileA(ListedPath(name).c_str(), ListedPath(newName).c_str())) {
        Warn("Error occured while renaming file !");
        return;
    }
    ForgetShownPicture(ListedPath(name));
    RereadKeepingIndex(index);
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
    const int index = FileListBox1.ItemIndex();
    if (!FileExists(selected)) {
        // A file that went away since the list was read: the list is read again.
        if (index >= 0 && !FileListBox1.Items()[static_cast<std::size_t>(index)].isDirectory) {
            RereadKeepingIndex(index);
            return;
        }
        FileListBox1.SetFileName(FileNamePart(selected));
        RefreshPathLine();
    }
    const std::string path = FileListBox1.FileName();
    if (IsSupportedExtension(path) && FileExists(path))
        LoadPicture(path);
}
