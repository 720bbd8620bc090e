#pragma once
// The layout of a packed device-independent bitmap (header, colour table,
// pixel bits), as bitmap resources hold it.
#include <cstddef>
#include <cstdint>

struct DibLayout {
    int colorCount = 0;           // entries of the colour table
    int colorEntrySize = 4;       // 3 after a core header, 4 otherwise
    std::size_t colorsOffset = 0; // where the colour table starts
    std::size_t bitsOffset = 0;   // where the pixel bits start; 0 when unreadable
};

// Reads the header at the start of a packed DIB of the given size. A header
// that cannot be read, or whose colour table would not fit, gives count and
// offset 0. Bit counts above 8 have no colour table (bit-field masks count
// as part of the header).
DibLayout GetDIBColorsAndBits(const std::uint8_t* dib, std::size_t size);
