#pragma once
// The entries of the file list as plain data: what an entry shows, which
// glyph goes with it, the order of the list and the mask pieces. No file
// access here.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

enum class FileGlyph : unsigned char { None, Executable, ClosedFolder, UnknownFile };

struct FileEntry {
    std::string text;  // as shown: directories in square brackets
    FileGlyph glyph = FileGlyph::None;
    bool isDirectory = false;
};

// The pieces of a mask such as "*.BMP;*.GIF", in order.
std::vector<std::string> SplitMask(std::string_view mask);

// True for names ending in .exe, .com, .bat or .pif in any case.
bool IsExecutableName(std::string_view name);

// The entry for a directory item found on disk. Directories get the folder
// glyph only when the list shows glyphs at the time of the read.
FileEntry MakeFileEntry(std::string_view name, bool isDirectory, bool showGlyphs);

// Case-insensitive equality (letters a to z only).
bool EqualIgnoringCase(std::string_view a, std::string_view b);

// Ascending order of the shown text ignoring case, with the letters folded
// to lower case: brackets come before letters, so directory entries lead.
bool EntryLess(const FileEntry& a, const FileEntry& b);
void SortEntries(std::vector<FileEntry>& entries);

// The index of the entry whose text equals the name ignoring case, or -1.
int IndexOfEntry(const std::vector<FileEntry>& entries, std::string_view name);
