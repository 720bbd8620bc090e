// Applying a typed or chosen path to the file list (writing FileName).
#include "controls/CurrentDirectory.h"
#include "controls/TFileListBox.h"
#include "framework/ErrorText.h"
#include "framework/Exceptions.h"
#include "framework/Files.h"
#include "text/PathText.h"

namespace {

struct SplitPath {
    char drive;
    std::string directory;
    std::string file;
};

bool HasWildcard(const std::string& text) { return text.find_first_of("*?") != std::string::npos; }

bool IsDirectoryEntryText(const std::string& text) { return text.size() >= 2 && text.front() == '[' && text.back() == ']'; }

// The directory part relative to the drive's current directory: "\" for a
// part like "\NAME", the part without its file, or the current directory.
std::string DirectoryOnDrive(const std::string& directory, const std::string& file)
{
    if (directory.size() == file.size() + 1)
        return "\\";
    if (directory.size() > file.size())
        return directory.substr(0, directory.size() - file.size() - 1);
    const std::string current = CurrentDirectory();
    return current.size() >= 2 && current[1] == ':' ? current.substr(2) : current;
}

// Splits the text into drive, directory and file; a file part that names a
// directory is entered and moves into the directory part. The current
// directory is the same afterwards.
SplitPath ProcessPath(const std::string& text)
{
    CurrentDirectoryGuard guard;
    const std::string& saved = guard.Saved();
    SplitPath split{saved.empty() ? '\0' : saved[0], text, {}};
    if (IsDirectoryEntryText(text)) {
        split.directory = text.substr(1, text.size() - 2);
    } else if (text.find(':') == 1) {
        split.drive = text[0];
        split.directory = text.substr(2);
    }
    if (saved.empty() || split.drive != saved[0])
        ChangeDirectory(std::string{split.drive, ':'});
    split.file = FileNamePart(split.directory);
    split.directory = DirectoryOnDrive(split.directory, split.file);
    if (!split.directory.empty())
        ChangeDirectory(split.directory);
    if (!split.file.empty() && !HasWildcard(split.file) && !FileExists(split.file)) {
        ChangeDirectory(split.file);
        split.directory = split.directory == "\\" ? "\\" + split.file : split.directory + "\\" + split.file;
        split.file.clear();
    }
    return split;
}

} // namespace

void TFileListBox::ApplyFilePath(const std::string& text)
{
    if (text.empty() || EqualIgnoringCase(text, FileName()))
        return;
    // A network path has no drive letter to split off: it is entered as it
    // stands, and so is an entry of a network folder.
    if (IsUncPath(text)) {
        ApplyNetworkPath(text);
        return;
    }
    if (IsUncPath(directory_) && IsDirectoryEntryText(text)) {
        SetDirectory(JoinPath(directory_, text.substr(1, text.size() - 2)));
        return;
    }
    const SplitPath split = ProcessPath(text);
    SetDirectory(std::string{split.drive, ':'} + split.directory);
    if (HasWildcard(split.file)) {
        SetMask(split.file);
        return;
    }
    if (split.file.empty())
        return;
    SelectByName(split.file);
    if (!FileExists(JoinPath(Directory(), split.file)))
        throw EInvalidOperation(InvalidFileNameText(text));
    if (ItemIndex() < 0) {
        SetMask(split.file);
        SelectByName(split.file);
    }
}

void TFileListBox::ApplyNetworkPath(const std::string& path)
{
    if (!FileExists(path)) {
        SetDirectory(path);
        return;
    }
    SetDirectory(DirectoryPart(path));
    SelectByName(FileNamePart(path));
}
