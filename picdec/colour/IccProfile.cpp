#include "picdec/colour/IccProfile.h"

namespace picdec {

namespace {

constexpr std::size_t kHeaderBytes = 128;

std::uint32_t BigEndian32(std::span<const std::uint8_t> bytes, std::size_t at)
{
    return static_cast<std::uint32_t>(bytes[at]) << 24 | static_cast<std::uint32_t>(bytes[at + 1]) << 16 |
           static_cast<std::uint32_t>(bytes[at + 2]) << 8 | bytes[at + 3];
}

}  // namespace

bool IsWholeIccProfile(std::span<const std::uint8_t> bytes)
{
    constexpr std::uint32_t kSignature = 0x61637370;  // 'acsp'
    return bytes.size() >= kHeaderBytes && bytes.size() <= kMaxIccProfileBytes &&
           BigEndian32(bytes, 0) == bytes.size() && BigEndian32(bytes, 36) == kSignature;
}

}  // namespace picdec
