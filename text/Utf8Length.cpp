#include "text/Utf8Length.h"

namespace {

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// The bytes of the sequence that the lead byte starts (1 for a stray byte).
std::size_t SequenceLength(std::string_view text, std::size_t at)
{
    const auto lead = static_cast<unsigned char>(text[at]);
    const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    if (at + length > text.size())
        return 1;
    for (std::size_t i = 1; i < length; ++i)
        if (!IsContinuation(static_cast<unsigned char>(text[at + i])))
            return 1;
    return length;
}

} // namespace

std::string CutToUtf16Length(std::string_view text, std::size_t maxUnits)
{
    std::size_t at = 0, units = 0;
    while (at < text.size()) {
        const std::size_t length = SequenceLength(text, at);
        const std::size_t needed = length == 4 ? 2 : 1;  // beyond the basic plane: a surrogate pair
        if (units + needed > maxUnits)
            break;
        units += needed;
        at += length;
    }
    return std::string(text.substr(0, at));
}
