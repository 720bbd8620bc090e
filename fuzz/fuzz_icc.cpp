// A colour profile as a picture's file or the display's settings hand it
// over: taken as the picture's (RGB, grey or CMYK inks) and as the display's.
#include <vector>

#include "picdec/colour/DisplayColours.h"
#include "picdec/colour/InkColours.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::span<const std::uint8_t> bytes(data, size);
    picdec::ColourSource source;
    if (picdec::IsWholeIccProfile(bytes))
        source.icc.assign(data, data + size);
    constexpr std::uint32_t kWidth = 7, kHeight = 3;
    std::vector<std::uint8_t> pixels(kHeight * 24);
    for (std::size_t i = 0; i < pixels.size(); ++i)
        pixels[i] = static_cast<std::uint8_t>(i * 37);
    const picdec::DibView bitmap{pixels.data(), kWidth, kHeight, 24};
    picdec::ConvertToDisplayColours(bitmap, source, {});
    picdec::ConvertToDisplayColours(bitmap, picdec::ColourSource{.gamma = 0.8}, bytes);
    picdec::Palette palette{{0, 0, 0}, {255, 255, 255}, {12, 200, 99}};
    picdec::ConvertPaletteToDisplayColours(palette, source, bytes);
    const picdec::InkColours inks(bytes, size > 0 && (data[0] & 1) != 0);
    std::vector<std::uint8_t> shown(kWidth * 3);
    inks.ConvertRow(pixels.data(), kWidth, shown.data());
    return 0;
}
