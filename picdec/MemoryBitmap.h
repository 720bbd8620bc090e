#pragma once

#include <cstdint>
#include <cstdlib>
#include <memory>

#include "picdec/BitmapSink.h"

namespace picdec {

// A bitmap in ordinary memory: the decoder's scratch space, and the sink the
// tests, fuzzers and benchmarks use in place of a DIB section.
class MemoryBitmap final : public BitmapSink {
public:
    DibView CreateBitmap(std::uint32_t width, std::uint32_t height, int bitsPerPixel, const Palette& palette) override;

    const DibView& View() const { return view_; }
    const Palette& Colours() const { return palette_; }
    bool Empty() const { return view_.bits == nullptr; }

    // Pixel x, y (from the top) as red-green-blue, through the palette when paletted.
    Colour PixelColour(std::uint32_t x, std::uint32_t y) const;
    // The palette index of pixel x, y of a paletted bitmap.
    int PixelIndex(std::uint32_t x, std::uint32_t y) const;

private:
    struct Free {
        void operator()(std::uint8_t* bits) const { std::free(bits); }
    };

    // calloc: large blocks come zeroed from the system without a pass over
    // them, as a DIB section's bits do.
    std::unique_ptr<std::uint8_t, Free> bits_;
    Palette palette_;
    DibView view_;
};

}  // namespace picdec
