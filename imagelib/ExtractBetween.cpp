#include "imagelib/ExtractBetween.h"

bool ExtractBetween(std::string_view text, std::string_view startCode, std::string_view endCode, std::string& value)
{
    value.clear();
    const std::size_t start = text.find(startCode);
    if (start == std::string_view::npos)
        return false;
    const std::size_t valueBegin = start + startCode.size();
    const std::size_t end = text.find(endCode);
    if (end == std::string_view::npos)
        return false;
    if (end > valueBegin)
        value = text.substr(valueBegin, end - valueBegin);
    return true;
}
