#pragma once
// LZW decoding of GIF image data with a minimum code size of 9 to 12, which
// the format does not allow but the field's tools read: codes start one bit
// wider than the code size, widen up to 12 bits, and the table stops growing
// at 4096 entries. Smaller code sizes go through giflib.

#include <array>
#include <cstddef>
#include <cstdint>

#include "picdec/formats/Codec.h"

namespace picdec {

class GifLzw {
public:
    static constexpr int kLargestCodeSize = 12;

    // data starts at the first sub-block's length byte.
    GifLzw(Bytes data, int codeSize);

    Status ReadLine(std::uint8_t* line, int width);

private:
    static constexpr int kTableSize = 4096;

    void Reset();
    int NextCode();  // -1 when the data ends
    bool NextByte(std::uint8_t& byte);
    Status Expand(int code);
    std::uint8_t NextPixel();

    Bytes data_;
    std::size_t at_ = 0;
    std::size_t blockLeft_ = 0;
    std::uint32_t bits_ = 0;
    int bitCount_ = 0;
    int clear_;
    int end_;
    int codeSize_;
    int width_ = 0;
    int next_ = 0;
    int previous_ = -1;
    std::uint8_t first_ = 0;
    std::array<std::uint16_t, kTableSize> prefix_{};
    std::array<std::uint8_t, kTableSize> suffix_{};
    std::array<std::uint8_t, kTableSize + 1> stack_{};
    int stackSize_ = 0;
};

}  // namespace picdec
