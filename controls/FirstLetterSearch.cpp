#include "controls/FirstLetterSearch.h"

#include "text/AsciiCase.h"

namespace {

unsigned char UpperCode(char c) { return static_cast<unsigned char>(UpperAscii(c)); }

bool NameStartsWith(const FileEntry& entry, unsigned char typed)
{
    const std::size_t first = entry.isDirectory ? 1 : 0;
    return entry.text.size() > first && UpperCode(entry.text[first]) == typed;
}

} // namespace

int NextEntryStartingWith(const std::vector<FileEntry>& entries, int current, char typed)
{
    const int count = static_cast<int>(entries.size());
    const int start = current >= 0 && current < count ? current : -1;
    for (int step = 1; step <= count; ++step) {
        const int index = (start + step) % count;
        if (NameStartsWith(entries[static_cast<std::size_t>(index)], UpperAscii(typed)))
            return index;
    }
    return -1;
}
