#include "imagelib/IntegerText.h"

#include <algorithm>
#include <optional>
#include <string>

#include "framework/ErrorText.h"
#include "framework/Exceptions.h"

namespace {

std::optional<int> DigitValue(char c, int base)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (base == 16 && c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (base == 16 && c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return std::nullopt;
}

// The magnitude of the digits, or nothing when a character is no digit or
// the value exceeds the limit.
std::optional<std::uint64_t> Magnitude(std::string_view digits, int base, std::uint64_t limit)
{
    if (digits.empty())
        return std::nullopt;
    std::uint64_t value = 0;
    for (char c : digits) {
        std::optional<int> digit = DigitValue(c, base);
        if (!digit)
            return std::nullopt;
        value = value * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(*digit);
        if (value > limit)
            return std::nullopt;
    }
    return value;
}

std::optional<std::int32_t> ParseInteger(std::string_view text)
{
    text.remove_prefix(std::min(text.find_first_not_of(' '), text.size()));
    const bool negative = !text.empty() && text.front() == '-';
    if (!text.empty() && (text.front() == '-' || text.front() == '+'))
        text.remove_prefix(1);
    if (!text.empty() && text.front() == '$') {
        std::optional<std::uint64_t> bits = Magnitude(text.substr(1), 16, 0xFFFFFFFFu);
        if (!bits)
            return std::nullopt;
        const std::uint32_t pattern = static_cast<std::uint32_t>(*bits);
        return static_cast<std::int32_t>(negative ? 0u - pattern : pattern);
    }
    const std::uint64_t limit = negative ? 0x80000000u : 0x7FFFFFFFu;
    std::optional<std::uint64_t> magnitude = Magnitude(text, 10, limit);
    if (!magnitude)
        return std::nullopt;
    const auto value = static_cast<std::int64_t>(*magnitude);
    return static_cast<std::int32_t>(negative ? -value : value);
}

} // namespace

std::int32_t StrToInt(std::string_view text)
{
    std::optional<std::int32_t> value = ParseInteger(text);
    if (!value)
        throw EConvertError(InvalidIntegerText(std::string(text)));
    return *value;
}
