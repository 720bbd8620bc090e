#pragma once
// Reading a Windows metafile (".WMF", with or without the 22-byte placeable
// header) into the bits the window system converts to a drawable metafile.
// Escape records go: they reach printer drivers and the like (an abort
// procedure, say) rather than draw, and a picture file must not run them.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

struct PlaceableHeader {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int unitsPerInch = 0;
};

struct WindowsMetafileBits {
    std::optional<PlaceableHeader> placeable;
    // The standard metafile: header and drawing records, no escapes.
    std::vector<std::uint8_t> bits;
};

// Nothing when the data is no metafile or a record reaches past its end.
std::optional<WindowsMetafileBits> ReadWindowsMetafile(const std::uint8_t* data, std::size_t size);
