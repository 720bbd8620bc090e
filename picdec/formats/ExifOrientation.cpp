#include "picdec/formats/ExifOrientation.h"

#include <algorithm>
#include <iterator>

#include "picdec/ByteReader.h"
#include "picdec/Orientation.h"
#include "picdec/formats/JpegSegments.h"

namespace picdec {

namespace {

constexpr std::uint16_t kOrientationTag = 0x0112;
constexpr std::uint16_t kShortType = 3;

// Numbers of a TIFF structure in either byte order, bounds-checked.
class TiffNumbers {
public:
    TiffNumbers(Bytes bytes, bool bigEndian) : reader_(bytes), bigEndian_(bigEndian) {}

    std::uint16_t U16(std::size_t at) const
    {
        const std::uint16_t value = reader_.U16(at);
        return bigEndian_ ? static_cast<std::uint16_t>(value >> 8 | value << 8) : value;
    }

    std::uint32_t U32(std::size_t at) const
    {
        return bigEndian_ ? static_cast<std::uint32_t>(U16(at)) << 16 | U16(at + 2) : reader_.U32(at);
    }

    bool Has(std::size_t at, std::size_t count) const { return reader_.Has(at, count); }

private:
    ByteReader reader_;
    bool bigEndian_;
};

// The orientation entry of the first directory of a TIFF structure.
int OrientationOfTiff(Bytes tiff)
{
    if (tiff.size() < 8 || tiff[0] != tiff[1] || (tiff[0] != 'I' && tiff[0] != 'M'))
        return kUpright;
    const TiffNumbers numbers(tiff, tiff[0] == 'M');
    const std::size_t directory = numbers.U32(4);
    if (!numbers.Has(directory, 2))
        return kUpright;
    const std::uint16_t count = numbers.U16(directory);
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t entry = directory + 2 + i * 12;
        if (!numbers.Has(entry, 12))
            return kUpright;
        if (numbers.U16(entry) == kOrientationTag && numbers.U16(entry + 2) == kShortType) {
            const int value = numbers.U16(entry + 8);
            return value >= 1 && value <= 8 ? value : kUpright;
        }
    }
    return kUpright;
}

bool IsExif(Bytes segment)
{
    static constexpr std::uint8_t kHeader[] = {'E', 'x', 'i', 'f', 0, 0};
    return segment.size() >= sizeof kHeader && std::equal(std::begin(kHeader), std::end(kHeader), segment.begin());
}

}  // namespace

int JpegExifOrientation(Bytes file)
{
    int orientation = kUpright;
    VisitJpegSegments(file, [&](std::uint8_t marker, Bytes segment) {
        if (marker != kJpegApp1 || !IsExif(segment))
            return true;
        orientation = OrientationOfTiff(segment.subspan(6));
        return false;
    });
    return orientation;
}

}  // namespace picdec
