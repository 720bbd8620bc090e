#pragma once
// The font a message file describes; the picture control turns it into a
// window-system font.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

struct FontStyle {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;

    friend bool operator==(const FontStyle&, const FontStyle&) = default;
};

struct MessageFont {
    static constexpr std::size_t kMaxNameLength = 255;

    std::uint32_t color = 0; // 0x00BBGGRR
    // Negative: the character height in pixels; positive: the cell height.
    int height = 0;
    // Points. Set after the height, it decides the character size; setting
    // the height again hands the decision back to the height.
    std::optional<int> size;
    std::string name;
    FontStyle style;

    void SetHeight(int newHeight)
    {
        height = newHeight;
        size.reset();
    }
    void SetSize(int points) { size = points; }
    void SetName(std::string_view newName) { name = newName.substr(0, kMaxNameLength); }
};

// A "1" in the first to fourth character sets bold, italic, underline and
// strike-out; any other character, or none, leaves the flag off.
FontStyle FontStyleFromFlags(std::string_view flags);
