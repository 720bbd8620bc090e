#include "controls/FirstLetterSearch.h"

namespace {

unsigned char UpperAscii(char c)
{
    auto u = static_cast<unsigned char>(c);
    return u >= 'a' && u <= 'z' ? static_cast<unsigned char>(u - 'a' + 'A') : u;
}

bool NameStartsWith(const FileEntry& entry, unsigned char typed)
{
    const std::size_t first = entry.isDirectory ? 1 : 0;
    return entry.text.size() > first && UpperAscii(entry.text[first]) == typed;
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
