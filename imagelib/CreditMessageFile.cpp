#include "imagelib/CreditMessageFile.h"

#include <optional>

#include "framework/ErrorText.h"
#include "framework/Exceptions.h"
#include "imagelib/IntegerText.h"
#include "imagelib/MessageFileBytes.h"

namespace {

// A carriage return followed by a line feed ends one line; either alone ends
// a line too. Text after the last line end is a line of its own.
std::vector<std::string_view> SplitLines(std::string_view text)
{
    std::vector<std::string_view> lines;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t end = text.find_first_of("\r\n", at);
        if (end == std::string_view::npos) {
            lines.push_back(text.substr(at));
            break;
        }
        lines.push_back(text.substr(at, end - at));
        at = end + 1;
        if (text[end] == '\r' && at < text.size() && text[at] == '\n')
            ++at;
    }
    return lines;
}

// Lines 9 and on, after the eight read above.
constexpr std::ptrdiff_t kCreditLinesStart = 8;

} // namespace

void ParseCreditMessage(std::string_view bytes, MessageFont& font, int& speed, std::uint32_t& backColor,
                        std::vector<std::string>& creditLines)
{
    creditLines.clear();
    const std::string_view text = bytes.substr(0, kMaxCreditFileBytes);
    const std::vector<std::string_view> lines = SplitLines(text.substr(0, text.find('\0')));
    auto line = [&lines](std::size_t number) {
        if (number > lines.size())
            throw EListError(ListIndexOutOfBoundsText());
        return lines[number - 1];
    };
    font.color = static_cast<std::uint32_t>(StrToInt(line(2)));
    font.SetHeight(StrToInt(line(3)));
    font.SetName(line(4));
    font.SetSize(StrToInt(line(5)));
    font.style = FontStyleFromFlags(line(6));
    backColor = static_cast<std::uint32_t>(StrToInt(line(7)));
    speed = StrToInt(line(8));
    creditLines.assign(lines.begin() + kCreditLinesStart, lines.end());
}

bool ReadCreditMessage(const std::string& fileName, MessageFont& font, int& speed, std::uint32_t& backColor,
                       std::vector<std::string>& creditLines)
{
    creditLines.clear();
    std::optional<std::string> bytes = ReadMessageFileBytes(fileName, kMaxCreditFileBytes);
    if (!bytes)
        return false;
    ParseCreditMessage(*bytes, font, speed, backColor, creditLines);
    return true;
}
