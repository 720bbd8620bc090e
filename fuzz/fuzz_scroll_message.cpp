// A scrolling-message file of arbitrary bytes: the reading either ends with
// the conversion error or gives a font name of at most 255 characters and a
// text without a NUL.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "framework/Exceptions.h"
#include "imagelib/ScrollMessageFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    MessageFont font;
    int speed = 0;
    std::uint32_t backColor = 0;
    std::string text;
    try {
        ParseScrollMessage(bytes, font, speed, backColor, text);
    } catch (const EConvertError&) {
        return 0;
    }
    if (font.name.size() > MessageFont::kMaxNameLength || text.find('\0') != std::string::npos)
        std::abort();
    return 0;
}
