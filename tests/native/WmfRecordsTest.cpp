#include "framework/WmfRecords.h"

#include <gtest/gtest.h>

#include "tests/native/picdec/writers/TestPictures.h"

namespace {

using Bytes = picdec::samples::File;
using picdec::samples::Put16;
using picdec::samples::Put32;

// A record of the given function with `params` 16-bit parameters.
void Record(Bytes& b, unsigned function, unsigned params)
{
    Put32(b, 3 + params);
    Put16(b, function);
    for (unsigned i = 0; i < params; ++i)
        Put16(b, i);
}

Bytes Metafile(bool placeable, bool withEscape)
{
    Bytes b;
    if (placeable) {
        Put32(b, 0x9AC6CDD7);
        for (unsigned v : {0u, 0xFFF6u, 20u, 1000u, 520u, 1440u, 0u, 0u, 0u})  // left -10, top 20, right, bottom, inch
            Put16(b, v);
    }
    for (unsigned v : {1u, 9u, 0x300u, 0u, 0u, 0u, 0u, 0u, 0u})  // size and largest record rewritten
        Put16(b, v);
    Record(b, 0x020C, 2);  // SetWindowExt
    if (withEscape)
        Record(b, 0x0626, 8);  // Escape, e.g. SETABORTPROC
    Record(b, 0x041B, 4);      // Rectangle
    Record(b, 0x0000, 0);      // end of file
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
