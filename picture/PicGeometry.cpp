#include "picture/PicGeometry.h"

#include <cmath>

namespace {

// Nearest integer, ties to even; false for a result that is not a finite int.
bool RoundToEven(long double value, int& result)
{
    if (!std::isfinite(value) || std::fabs(value) > 2147483647.0L)
        return false;
    result = static_cast<int>(std::nearbyint(value));
    return true;
}

// Fits the picture's extent `along` the constrained axis into `full`, and
// places its other extent `across` inside `room`.
void FitAxis(int room, int full, int along, int across, int& offset, int& size)
{
    const long double ratio = static_cast<long double>(full) / along;
    const long double margin = room - across * ratio;
    if (!RoundToEven(margin * 0.5L, offset) || !RoundToEven(room - margin, size)) {
        offset = 0;
        size = room;
    }
}

} // namespace

PaintRect AspectFitRect(int clientWidth, int clientHeight, int pictureWidth, int pictureHeight)
{
    PaintRect rect{0, 0, clientWidth, clientHeight};
    if (pictureHeight >= pictureWidth)
        FitAxis(clientWidth, clientHeight, pictureHeight, pictureWidth, rect.x, rect.w);
    else
        FitAxis(clientHeight, clientWidth, pictureWidth, pictureHeight, rect.y, rect.h);
    return rect;
}

PaintRect ActualSizeRect(int areaWidth, int areaHeight, int pictureWidth, int pictureHeight, bool center)
{
    PaintRect rect{0, 0, pictureWidth, pictureHeight};
    if (center) {
        rect.x = (areaWidth - pictureWidth) / 2;
        rect.y = (areaHeight - pictureHeight) / 2;
    }
    return rect;
}
