// The layout of a packed DIB read from arbitrary bytes: every offset it
// reports must lie inside the data.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "framework/DibLayout.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const DibLayout layout = GetDIBColorsAndBits(data, size);
    if (layout.bitsOffset > size || (layout.bitsOffset == 0 && layout.colorCount != 0))
        std::abort();
    if (layout.bitsOffset != 0) {
        std::size_t tableEnd = layout.colorsOffset + static_cast<std::size_t>(layout.colorCount) * layout.colorEntrySize;
        if (tableEnd > size || layout.colorCount > 256)
            std::abort();
        volatile std::uint8_t last = layout.colorCount ? data[tableEnd - 1] : 0;
        (void)last;
    }
    return 0;
}
