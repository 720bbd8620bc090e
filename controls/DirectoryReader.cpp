#include "controls/DirectoryReader.h"

#include <windows.h>

#include "framework/Handles.h"
#include "framework/Screen.h"

namespace {

constexpr DWORD kFilteredBits = 0x1E;  // hidden, system, volume label, directory
constexpr std::size_t kHourglassFrom = 100;

class CursorRestorer {
public:
    CursorRestorer() : saved_(Screen().Cursor()) {}
    ~CursorRestorer() { Screen().SetCursor(saved_); }
    CursorRestorer(const CursorRestorer&) = delete;
    CursorRestorer& operator=(const CursorRestorer&) = delete;

private:
    TCursor saved_;
};

bool Listed(DWORD attributes, TFileType fileType)
{
    const DWORD wanted = fileType & 0x3F;
    if (attributes & ~wanted & kFilteredBits)
        return false;
    return (fileType & ftNormal) || (attributes & wanted);
}

// A drive's root has no "." and ".." entries.
bool IsRootDotEntry(const WIN32_FIND_DATAA& found, bool inRoot)
{
    return inRoot && (std::string_view(found.cFileName) == "." || std::string_view(found.cFileName) == "..");
}

bool CurrentDirectoryIsRoot()
{
    char directory[4] = {};
    return ::GetCurrentDirectoryA(sizeof directory, directory) == 3;
}

void ReadPiece(const std::string& piece, const DirectoryQuery& query, bool inRoot, std::vector<FileEntry>& entries)
{
    WIN32_FIND_DATAA found;
    UniqueFind search(::FindFirstFileA(piece.c_str(), &found));
    if (!search)
        return;
    do {
        if (!Listed(found.dwFileAttributes, query.fileType) || IsRootDotEntry(found, inRoot))
            continue;
        entries.push_back(MakeFileEntry(found.cFileName, found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY,
                                        query.showGlyphs));
        if (entries.size() == kHourglassFrom + 1)
            Screen().SetCursor(crHourGlass);
    } while (::FindNextFileA(search.get(), &found));
}

} // namespace

std::vector<FileEntry> ReadDirectoryEntries(const DirectoryQuery& query)
{
    CursorRestorer cursor;
    const bool inRoot = CurrentDirectoryIsRoot();
    std::vector<FileEntry> entries;
    for (const std::string& piece : SplitMask(query.mask))
        ReadPiece(piece, query, inRoot, entries);
    SortEntries(entries);
    return entries;
}
