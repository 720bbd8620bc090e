#include "app/CommandLinePicture.h"

#include "text/PathText.h"
#include "app/ProgramValues.h"
#include "app/TForm1.h"
#include "framework/Application.h"
#include "framework/Files.h"

void OpenCommandLinePicture(TForm1& form, const std::string& argument)
{
    if (argument.empty() || !FileExists(argument) || !IsSupportedExtension(argument))
        return;
    form.FileListBox1.SetFileName(DirectoryPart(argument));
    const std::string directory = form.FileListBox1.Directory();
    form.DriveComboBox1.SetDrive(directory.empty() ? form.DriveComboBox1.Drive() : directory[0]);
    form.Label2.SetText(ShortenPath(directory, 30));

    const std::string name = FileNamePart(argument);
    int index = form.FileListBox1.IndexOfName(name);
    if (index >= 0) {
        form.FileListBox1.SetItemIndex(index);
        form.Edit1.SetText(UpperAscii(name));
    }
    Application().ProcessMessages();
    form.FileListBox1.SetFocus();
    StartupPicturePath = UpperAscii(JoinPath(directory, name));
    form.LoadPicture(StartupPicturePath);
}
