#pragma once
// Results of the decode core. Success is Ok (1); every failure is a negative
// code. The DLL hands the code back unchanged, and its string table holds the
// message of code c as string number 65536 + c (so -1 is 65535, -2 is 65534);
// tools generate that table from FailureMessages().

#include <cstdint>
#include <span>
#include <string_view>

namespace picdec {

enum class Status : std::int16_t {
    Ok = 1,
    CannotOpenFile = -1,
    CannotReadFile = -2,
    UnknownFormat = -3,
    WrongFormat = -4,
    UnsupportedVariant = -5,
    CorruptData = -6,
    TruncatedData = -7,
    BitmapTooLarge = -8,
    DimensionTooLarge = -9,
    EmptyPicture = -10,
    OutOfMemory = -11,
    BadResolutionCode = -12,
    CannotCreateBitmap = -13,
    DecoderMissing = -14,
};

struct FailureMessage {
    Status status;
    std::string_view text;
};

// Every failure code with its English message, in code order (-1 first).
std::span<const FailureMessage> FailureMessages();

// The message of a failure code; empty for Ok and unknown codes.
std::string_view MessageOf(Status status);

// The string table number that holds the message of a failure code.
constexpr std::uint16_t StringIdOf(Status status)
{
    return static_cast<std::uint16_t>(static_cast<std::int16_t>(status));
}

constexpr bool Succeeded(Status status) { return static_cast<std::int16_t>(status) > 0; }

}  // namespace picdec
