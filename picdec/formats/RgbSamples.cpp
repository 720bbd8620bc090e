#include "picdec/formats/RgbSamples.h"

#include <algorithm>

#include "picdec/Palette.h"

namespace picdec {

namespace {

std::uint8_t SampleAt(const std::uint8_t* pixel, int index, const RgbSampleLayout& layout)
{
    if (layout.bitsPerSample == 8)
        return pixel[index];
    const std::uint32_t value = pixel[2 * index] | std::uint32_t{pixel[2 * index + 1]} << 8;
    return ReduceSample(std::min(value, (1u << layout.bitsPerSample) - 1), layout.bitsPerSample);
}

// A premultiplied sample already holds value x alpha: white adds the rest.
std::uint8_t PremultipliedOnWhite(std::uint8_t value, std::uint8_t alpha)
{
    return static_cast<std::uint8_t>(std::min(255, value + 255 - alpha));
}

// The common case, 8-bit samples without alpha, on its own: a plain swap of
// red and blue the compiler can keep in registers.
void WriteOpaque8BitRow(const std::uint8_t* source, std::uint32_t width, std::uint8_t* row)
{
    for (std::uint32_t x = 0; x < width; ++x, source += 3, row += 3) {
        row[0] = source[2];
        row[1] = source[1];
        row[2] = source[0];
    }
}

void SwapRedAndBlue(std::uint8_t* row, std::uint32_t width)
{
    for (std::uint32_t x = 0; x < width; ++x, row += 3)
        std::swap(row[0], row[2]);
}

}  // namespace

int SamplePixelBytes(const RgbSampleLayout& layout)
{
    return (layout.alpha ? 4 : 3) * (layout.bitsPerSample > 8 ? 2 : 1);
}

void WriteBgrRow(const std::uint8_t* source, const RgbSampleLayout& layout, std::uint32_t width, std::uint8_t* row)
{
    if (layout.bitsPerSample == 8 && !layout.alpha)
        return WriteOpaque8BitRow(source, width, row);
    const int step = SamplePixelBytes(layout);
    for (std::uint32_t x = 0; x < width; ++x, source += step, row += 3) {
        const std::uint8_t red = SampleAt(source, 0, layout);
        const std::uint8_t green = SampleAt(source, 1, layout);
        const std::uint8_t blue = SampleAt(source, 2, layout);
        if (!layout.alpha) {
            row[0] = blue;
            row[1] = green;
            row[2] = red;
            continue;
        }
        const std::uint8_t alpha = SampleAt(source, 3, layout);
        const auto compose = layout.premultiplied ? PremultipliedOnWhite : OnWhite;
        row[0] = compose(blue, alpha);
        row[1] = compose(green, alpha);
        row[2] = compose(red, alpha);
    }
}

void TurnRgbRowsIntoBitmap(const DibView& bitmap)
{
    if (bitmap.height == 0)
        return;
    const std::size_t stride = bitmap.Stride();
    std::uint8_t* top = bitmap.bits;
    std::uint8_t* bottom = bitmap.bits + (bitmap.height - 1) * stride;
    for (; top < bottom; top += stride, bottom -= stride) {
        std::swap_ranges(top, top + stride, bottom);
        SwapRedAndBlue(top, bitmap.width);
        SwapRedAndBlue(bottom, bitmap.width);
    }
    if (top == bottom)
        SwapRedAndBlue(top, bitmap.width);
}

}  // namespace picdec
