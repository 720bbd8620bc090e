// A credit-box file of arbitrary bytes: the reading either ends with the
// conversion or list error or gives credit lines without line ends or NULs,
// taken from the first 65 527 bytes only.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "framework/Exceptions.h"
#include "imagelib/CreditMessageFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    MessageFont font;
    int speed = 0;
    std::uint32_t backColor = 0;
    std::vector<std::string> lines;
    bool failed = false;
    try {
        ParseCreditMessage(bytes, font, speed, backColor, lines);
    } catch (const EConvertError&) {
        failed = true;
    } catch (const EListError&) {
        failed = true;
    }
    if (failed && !lines.empty())
        std::abort();
    std::size_t total = font.name.size();
    for (const std::string& line : lines) {
        if (line.find_first_of(std::string_view("\r\n\0", 3)) != std::string::npos)
            std::abort();
        total += line.size();
    }
    if (font.name.size() > MessageFont::kMaxNameLength || total > kMaxCreditFileBytes)
        std::abort();
    return 0;
}
