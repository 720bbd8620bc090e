#include "app/CommandLinePicture.h"

#include <exception>

#include "text/PathText.h"
#include "app/ProgramValues.h"
#include "app/TForm1.h"
#include "framework/Application.h"
#include "framework/Files.h"

namespace {

// Moves the browser to the picture's folder. False when the list cannot
// enter the folder: it then stays where it was.
bool MoveBrowserTo(TForm1& form, const std::string& directory)
{
    try {
        form.FileListBox1.SetFileName(directory);
    } catch (const std::exception&) {
        return false;
    }
    const std::string listed = form.FileListBox1.Directory();
    if (listed.size() >= 2 && listed[1] == ':')
        form.DriveComboBox1.SetDrive(listed[0]);
    form.Label2.SetText(ShortenPath(listed, 30));
    return true;
}

} // namespace

void OpenCommandLinePicture(TForm1& form, const std::string& argument)
{
    if (argument.empty() || !FileExists(argument) || !IsSupportedExtension(argument))
        return;
    // "\\?\C:\pics\a.bmp" is the plain path behind the long-path prefix.
    const std::string picture = WithoutLongPathPrefix(argument);
    const std::string name = FileNamePart(picture);
    std::string path = picture;
    if (MoveBrowserTo(form, DirectoryPart(picture))) {
        const std::string listed = JoinPath(form.FileListBox1.Directory(), name);
        if (FileExists(listed))
            path = listed;
        const int index = form.FileListBox1.IndexOfName(name);
        if (index >= 0) {
            form.FileListBox1.SetItemIndex(index);
            form.Edit1.SetText(UpperAscii(name));
        }
    }
    Application().ProcessMessages();
    form.FileListBox1.SetFocus();
    StartupPicturePath = UpperAscii(path);
    form.LoadPicture(StartupPicturePath);
}
