#include "imagelib/NameText.h"

#include <cctype>

#include "text/PathText.h"

std::string StripFilePath(std::string_view fileName)
{
    return FileNamePart(fileName).substr(0, 64);
}

std::string FileNameStem(std::string_view fileName)
{
    std::string name = StripFilePath(fileName);
    return name.substr(0, name.find('.'));
}

namespace {

std::optional<long> Digits(std::string_view text, int base)
{
    if (text.empty() || text.size() > 9)
        return std::nullopt;
    long value = 0;
    for (char c : text) {
        if (!std::isxdigit(static_cast<unsigned char>(c)) || (base == 10 && !std::isdigit(static_cast<unsigned char>(c))))
            return std::nullopt;
        int digit = std::isdigit(static_cast<unsigned char>(c)) ? c - '0' : std::toupper(static_cast<unsigned char>(c)) - 'A' + 10;
        value = value * base + digit;
    }
    return value;
}

} // namespace

std::optional<long> ResourceNumber(std::string_view name)
{
    std::size_t start = name.find_first_not_of(' ');
    if (start == std::string_view::npos)
        return std::nullopt;
    name.remove_prefix(start);
    if (name.front() == '$')
        return Digits(name.substr(1), 16);
    bool negative = name.front() == '-';
    if (negative || name.front() == '+')
        name.remove_prefix(1);
    auto value = Digits(name, 10);
    if (value && negative)
        *value = -*value;
    return value;
}

int ColorDepthForBitsPerPixel(int bitsPerPixel)
{
    if (bitsPerPixel <= 4)
        return 4;
    return bitsPerPixel < 16 ? 8 : 24;
}
