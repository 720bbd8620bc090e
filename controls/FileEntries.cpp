#include "controls/FileEntries.h"

#include <algorithm>
#include <array>

#include "text/PathText.h"

namespace {

// Compared as unsigned bytes, so names with UTF-8 letters sort after ASCII.
unsigned char LowerCode(char c) { return static_cast<unsigned char>(LowerAscii(c)); }

} // namespace

std::vector<std::string> SplitMask(std::string_view mask)
{
    std::vector<std::string> pieces;
    for (;;) {
        auto separator = mask.find(';');
        pieces.emplace_back(mask.substr(0, separator));
        if (separator == std::string_view::npos)
            return pieces;
        mask.remove_prefix(separator + 1);
    }
}

bool IsExecutableName(std::string_view name)
{
    static constexpr std::array<std::string_view, 4> kExecutable = {".exe", ".com", ".bat", ".pif"};
    const std::string extension = LowerAscii(ExtensionPart(name));
    return std::find(kExecutable.begin(), kExecutable.end(), extension) != kExecutable.end();
}

FileEntry MakeFileEntry(std::string_view name, bool isDirectory, bool showGlyphs)
{
    if (isDirectory)
        return {"[" + std::string(name) + "]", showGlyphs ? FileGlyph::ClosedFolder : FileGlyph::None, true};
    return {std::string(name), IsExecutableName(name) ? FileGlyph::Executable : FileGlyph::UnknownFile, false};
}

bool EqualIgnoringCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return LowerCode(x) == LowerCode(y); });
}

bool EntryLess(const FileEntry& a, const FileEntry& b)
{
    return std::lexicographical_compare(a.text.begin(), a.text.end(), b.text.begin(), b.text.end(),
                                        [](char x, char y) { return LowerCode(x) < LowerCode(y); });
}

void SortEntries(std::vector<FileEntry>& entries) { std::stable_sort(entries.begin(), entries.end(), EntryLess); }

int IndexOfEntry(const std::vector<FileEntry>& entries, std::string_view name)
{
    for (std::size_t i = 0; i < entries.size(); ++i)
        if (EqualIgnoringCase(entries[i].text, name))
            return static_cast<int>(i);
    return -1;
}
