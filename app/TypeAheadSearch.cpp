#include "app/TypeAheadSearch.h"

#include "text/AsciiCase.h"

namespace {

unsigned char UpperCode(char c) { return static_cast<unsigned char>(UpperAscii(c)); }

unsigned char CodeAt(std::string_view text, std::size_t position)
{
    return position < text.size() ? UpperCode(text[position]) : 0;
}

struct Range {
    std::ptrdiff_t first;
    std::ptrdiff_t last;
};

// One character of the typed text against entries first..last. Returns the
// number of matches minus one (-1: none) and moves range.first.
std::ptrdiff_t ScanPosition(Range& range, unsigned char typed, std::size_t position, const EntryTextAt& entryAt)
{
    bool placed = false;
    std::ptrdiff_t matches = -1;
    const std::ptrdiff_t first = range.first;
    for (std::ptrdiff_t i = first; i <= range.last; ++i) {
        unsigned char code = CodeAt(entryAt(static_cast<std::size_t>(i)), position);
        if (typed < code && !placed) {
            range.first = i;
            placed = true;
        }
        if (typed == code) {
            if (matches == -1)
                range.first = i;
            ++matches;
            placed = true;
        }
    }
    if (!placed)
        range.first = range.last + 1;
    return matches;
}

} // namespace

int TypeAheadIndex(std::string_view typed, std::size_t count, const EntryTextAt& entryAt)
{
    Range range{0, static_cast<std::ptrdiff_t>(count) - 1};
    for (std::size_t k = 0; k < typed.size(); ++k) {
        std::ptrdiff_t matches = ScanPosition(range, UpperCode(typed[k]), k, entryAt);
        if (matches == -1)
            break;
        range.last = range.first + matches;
    }
    return static_cast<int>(range.first);
}
