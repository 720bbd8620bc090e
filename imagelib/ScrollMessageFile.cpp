#include "imagelib/ScrollMessageFile.h"

#include <optional>

#include "imagelib/ExtractBetween.h"
#include "imagelib/IntegerText.h"
#include "imagelib/MessageFileBytes.h"

namespace {

struct Settings {
    MessageFont& font;
    int& speed;
    std::uint32_t& backColor;
    std::string& text;
};

struct CodedValue {
    std::string_view startCode;
    std::string_view endCode;
    void (*set)(Settings&, std::string_view value);
    void (*setDefault)(Settings&); // none for the font size
    bool emptyIsAValue;            // an empty style is plain
};

std::uint32_t Colour(std::string_view value) { return static_cast<std::uint32_t>(StrToInt(value)); }

constexpr CodedValue kValues[] = {
    {"/fc|", "/fh|", [](Settings& s, std::string_view v) { s.font.color = Colour(v); },
     [](Settings& s) { s.font.color = 255; }, false},
    {"/fh|", "/fn|", [](Settings& s, std::string_view v) { s.font.SetHeight(StrToInt(v)); },
     [](Settings& s) { s.font.SetHeight(-13); }, false},
    {"/fn|", "/fs|", [](Settings& s, std::string_view v) { s.font.SetName(v); },
     [](Settings& s) { s.font.SetName("SYSTEM"); }, false},
    {"/fs|", "/ft|", [](Settings& s, std::string_view v) { s.font.SetSize(StrToInt(v)); }, nullptr, false},
    {"/ft|", "/bc|", [](Settings& s, std::string_view v) { s.font.style = FontStyleFromFlags(v); },
     [](Settings& s) { s.font.style = FontStyle{.bold = true}; }, true},
    {"/bc|", "/sp|", [](Settings& s, std::string_view v) { s.backColor = Colour(v); },
     [](Settings& s) { s.backColor = 128; }, false},
    {"/sp|", "/sm|", [](Settings& s, std::string_view v) { s.speed = StrToInt(v); },
     [](Settings& s) { s.speed = 1; }, false},
    {"/sm|", "/eo|", [](Settings& s, std::string_view v) { s.text = v; },
     [](Settings& s) { s.text = " Invallid message format ! "; }, false},
};

} // namespace

void ParseScrollMessage(std::string_view bytes, MessageFont& font, int& speed, std::uint32_t& backColor,
                        std::string& text)
{
    const std::string_view message = bytes.substr(0, bytes.find('\0'));
    Settings settings{font, speed, backColor, text};
    std::string value;
    for (const CodedValue& coded : kValues) {
        if (!ExtractBetween(message, coded.startCode, coded.endCode, value)) {
            if (coded.setDefault)
                coded.setDefault(settings);
        } else if (!value.empty() || coded.emptyIsAValue) {
            coded.set(settings, value);
        }
    }
}

bool ReadScrollMessage(const std::string& fileName, MessageFont& font, int& speed, std::uint32_t& backColor,
                       std::string& text)
{
    std::optional<std::string> bytes = ReadMessageFileBytes(fileName, kMaxMessageFileBytes);
    if (!bytes)
        return false;
    ParseScrollMessage(*bytes, font, speed, backColor, text);
    return true;
}
