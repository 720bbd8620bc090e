#include "picture/PicViewMessageLayout.h"

#include <cstdint>
#include <limits>

#include "framework/ErrorText.h"
#include "framework/Exceptions.h"

namespace {

int ToInt(std::int64_t value)
{
    if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
        throw EOutOfResources(OutOfResourcesText());
    return static_cast<int>(value);
}

} // namespace

std::string SpacedCreditLine(std::string_view line)
{
    std::string spaced(line);
    if (spaced.empty() || spaced.front() != ' ')
        spaced.insert(0, "  ");
    if (spaced.back() != ' ')
        spaced += ' ';
    return spaced;
}

int WidenedCreditWidth(int width, std::size_t spacedLength)
{
    if (spacedLength <= 2)
        return width;
    const auto parts = static_cast<std::int64_t>(spacedLength - 2);
    return ToInt(std::int64_t{width} + std::int64_t{width} / parts);
}

ScrollStart ScrollStartOf(int controlWidth, int controlHeight, int textWidth, int textHeight)
{
    return ScrollStart{controlWidth, CheckedSum(controlWidth, textWidth),
                       ToInt((std::int64_t{controlHeight} - textHeight) / 2)};
}

int HeightOfPoints(int points, int pixelsPerInch)
{
    const std::int64_t product = std::int64_t{points} * pixelsPerInch;
    const std::int64_t magnitude = ((product < 0 ? -product : product) + 36) / 72;
    return ToInt(product < 0 ? magnitude : -magnitude);
}

int CheckedSum(int a, int b) { return ToInt(std::int64_t{a} + b); }
