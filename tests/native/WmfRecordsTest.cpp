#include "framework/WmfRecords.h"

#include <gtest/gtest.h>

#include "tests/native/picdec/writers/TestPictures.h"

namespace {

using Bytes = picdec::samples::File;
using picdec::samples::Put16;

Bytes Metafile(bool placeable, bool withEscape)
{
    Bytes b;
    const auto words = [&b](std::initializer_list<unsigned> values) {
        for (unsigned v : values)
            Put16(b, v);
    };
    if (placeable)  // key, handle, left -10, top 20, right, bottom, units per inch, reserved, checksum
        words({0xCDD7, 0x9AC6, 0, 0xFFF6, 20, 1000, 520, 1440, 0, 0, 0});
    words({1, 9, 0x300, 0, 0, 0, 0, 0, 0});  // size and largest record rewritten
    // Records: size in words (32 bits), function, parameters.
    words({5, 0, 0x020C, 1, 2});  // SetWindowExt
    if (withEscape)
        words({11, 0, 0x0626, 1, 2, 3, 4, 5, 6, 7, 8});  // Escape, e.g. SETABORTPROC
    words({7, 0, 0x041B, 1, 2, 3, 4});  // Rectangle
    words({3, 0, 0});                   // end of file
    return b;
}

} // namespace

TEST(ReadWindowsMetafile, KeepsTheDrawingRecordsDropsEscapesAndReadsThePlaceableHeader)
{
    Bytes expected = Metafile(false, false);
    expected[6] = static_cast<std::uint8_t>(expected.size() / 2);  // size in words
    expected[12] = 7;                                              // largest record in words
    for (bool placeable : {false, true}) {
        Bytes file = Metafile(placeable, true);
        auto wmf = ReadWindowsMetafile(file.data(), file.size());
        ASSERT_TRUE(wmf) << placeable;
        EXPECT_EQ(wmf->bits, expected);
        const PlaceableHeader box = wmf->placeable.value_or(PlaceableHeader{});
        EXPECT_EQ(std::tuple(wmf->placeable.has_value(), box.left, box.top, box.right, box.bottom, box.unitsPerInch),
                  placeable ? std::tuple(true, -10, 20, 1000, 520, 1440) : std::tuple(false, 0, 0, 0, 0, 0));
    }
}

TEST(ReadWindowsMetafile, RefusesBrokenFiles)
{
    const Bytes good = Metafile(false, false);
    // The first record claiming 200 or 2 words; no metafile type.
    for (const auto& [at, value] : {std::pair{18, 200}, {18, 2}, {2, 8}}) {
        Bytes bad = good;
        bad[at] = static_cast<std::uint8_t>(value);
        EXPECT_FALSE(ReadWindowsMetafile(bad.data(), bad.size())) << at << " " << value;
    }
    for (std::size_t size : {good.size() - 6, std::size_t(10)})  // no end record; header cut
        EXPECT_FALSE(ReadWindowsMetafile(good.data(), size)) << size;
}
