#include "system/IniRewrite.h"

#include "text/PathText.h"

namespace {

struct Line {
    std::string_view content;  // without its line end
    std::string_view whole;    // with it
};

class LineReader {
public:
    explicit LineReader(std::string_view text) : text_(text) {}
    bool AtEnd() const { return position_ >= text_.size(); }

    Line Next()
    {
        std::size_t start = position_;
        std::size_t end = text_.find_first_of("\r\n", start);
        if (end == std::string_view::npos)
            end = text_.size();
        position_ = end;
        if (end < text_.size()) {
            position_ = end + 1;
            if (text_[end] == '\r' && position_ < text_.size() && text_[position_] == '\n')
                ++position_;
        }
        return {text_.substr(start, end - start), text_.substr(start, position_ - start)};
    }

private:
    std::string_view text_;
    std::size_t position_ = 0;
};

bool EndsSection(std::string_view line) { return line.empty() || line.front() == '['; }

} // namespace

IniRewrite RemoveIniKeyLines(std::string_view text, std::string_view section, std::string_view key)
{
    const std::string sectionLine = "[" + UpperAscii(section) + "]";
    const std::string keyPrefix = UpperAscii(key) + "=";
    IniRewrite result;
    LineReader reader(text);
    while (!reader.AtEnd()) {
        Line line = reader.Next();
        result.text += line.whole;
        if (UpperAscii(line.content) != sectionLine)
            continue;
        while (!reader.AtEnd()) {
            Line entry = reader.Next();
            if (!EndsSection(entry.content) && UpperAscii(entry.content.substr(0, keyPrefix.size())) == keyPrefix) {
                result.removed = true;
                continue;
            }
            result.text += entry.whole;
            if (EndsSection(entry.content))
                break;
        }
    }
    return result;
}
