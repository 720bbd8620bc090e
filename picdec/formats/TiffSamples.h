#pragma once
// Single samples of a TIFF row as libtiff decodes them: packed integers of 1
// to 64 bits, unsigned or signed, and 16-, 32- and 64-bit floating point.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace picdec {

class TiffSamples {
public:
    // format is the page's SampleFormat (1 unsigned, 2 signed, 3 floating).
    TiffSamples(int bitsPerSample, int format);

    static bool Supports(int bitsPerSample, int format);

    // The stored bits of sample `index` of the row.
    std::uint64_t Raw(const std::uint8_t* row, std::size_t index) const;

    // The sample as a fraction of its full range: unsigned integers from 0,
    // signed ones from their most negative value, floating point clamped to
    // 0 to 1.
    double Unit(const std::uint8_t* row, std::size_t index) const;

    // Unit() scaled to 0 to 255.
    std::uint8_t Level(const std::uint8_t* row, std::size_t index) const
    {
        return levels_.empty() ? LevelOf(Unit(row, index)) : levels_[Raw(row, index)];
    }

    // Raw() read as a two's complement number.
    std::int64_t Signed(const std::uint8_t* row, std::size_t index) const;

    int Bits() const { return bits_; }
    double Maximum() const { return maximum_; }

private:
    static std::uint8_t LevelOf(double unit) { return static_cast<std::uint8_t>(unit * 255.0 + 0.5); }
    double UnitOfRaw(std::uint64_t raw) const;

    int bits_;
    int format_;
    double maximum_;
    std::vector<std::uint8_t> levels_;  // by raw value, for integers of up to 16 bits
};

}  // namespace picdec
