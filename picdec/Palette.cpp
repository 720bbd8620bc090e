#include "picdec/Palette.h"

namespace picdec {

Palette GreyPalette(int bits, bool whiteIsZero)
{
    const int count = 1 << bits;
    Palette palette(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        const int level = whiteIsZero ? count - 1 - i : i;
        const auto value = static_cast<std::uint8_t>(level * 255 / (count - 1));
        palette[static_cast<std::size_t>(i)] = Colour{value, value, value};
    }
    return palette;
}

}  // namespace picdec
