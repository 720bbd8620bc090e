#pragma once
// Bounds-checked reading of little- and big-endian numbers from a byte span.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace picdec {

class ByteReader {
public:
    explicit ByteReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    bool Has(std::size_t offset, std::size_t count) const
    {
        return offset <= bytes_.size() && count <= bytes_.size() - offset;
    }

    std::uint8_t U8(std::size_t offset) const { return Has(offset, 1) ? bytes_[offset] : 0; }

    std::uint16_t U16(std::size_t offset) const
    {
        return Has(offset, 2) ? static_cast<std::uint16_t>(bytes_[offset] | bytes_[offset + 1] << 8) : 0;
    }

    std::uint32_t U32(std::size_t offset) const
    {
        if (!Has(offset, 4))
            return 0;
        return static_cast<std::uint32_t>(bytes_[offset]) | static_cast<std::uint32_t>(bytes_[offset + 1]) << 8 |
               static_cast<std::uint32_t>(bytes_[offset + 2]) << 16 |
               static_cast<std::uint32_t>(bytes_[offset + 3]) << 24;
    }

    std::int32_t S32(std::size_t offset) const { return static_cast<std::int32_t>(U32(offset)); }

    std::span<const std::uint8_t> Bytes() const { return bytes_; }
    std::size_t Size() const { return bytes_.size(); }

private:
    std::span<const std::uint8_t> bytes_;
};

}  // namespace picdec
