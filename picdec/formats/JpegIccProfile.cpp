#include "picdec/formats/JpegIccProfile.h"

#include <algorithm>
#include <array>
#include <iterator>

#include "picdec/formats/JpegSegments.h"

namespace picdec {

namespace {

// Each piece: the name, its number from 1, the count of pieces, its bytes.
constexpr std::uint8_t kName[] = {'I', 'C', 'C', '_', 'P', 'R', 'O', 'F', 'I', 'L', 'E', 0};
constexpr std::size_t kPieceHeader = sizeof kName + 2;

bool IsIccPiece(std::uint8_t marker, Bytes segment)
{
    return marker == kJpegApp2 && segment.size() >= kPieceHeader &&
           std::equal(std::begin(kName), std::end(kName), segment.begin());
}

}  // namespace

IccProfile JpegIccProfile(Bytes file)
{
    std::array<Bytes, 256> pieces{};
    std::size_t count = 0, total = 0;
    bool damaged = false;
    VisitJpegSegments(file, [&](std::uint8_t marker, Bytes segment) {
        if (!IsIccPiece(marker, segment))
            return true;
        const std::size_t number = segment[sizeof kName], of = segment[sizeof kName + 1];
        if (count == 0)
            count = of;
        damaged = number == 0 || number > of || of != count || !pieces[number].empty() ||
                  segment.size() == kPieceHeader;
        pieces[number] = segment.subspan(kPieceHeader);
        total += pieces[number].size();  // at most 255 pieces of 64 KiB: no overflow
        return !damaged && total <= kMaxIccProfileBytes;
    });
    if (damaged || count == 0 || total > kMaxIccProfileBytes ||
        std::any_of(pieces.begin() + 1, pieces.begin() + 1 + static_cast<std::ptrdiff_t>(count),
                    [](Bytes piece) { return piece.empty(); }))
        return {};
    IccProfile profile;
    profile.reserve(total);
    for (std::size_t i = 1; i <= count; ++i)
        profile.insert(profile.end(), pieces[i].begin(), pieces[i].end());
    return IsWholeIccProfile(profile) ? profile : IccProfile{};
}

}  // namespace picdec
