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

std::vector<unsigned> Functions(const Bytes& bits)
{
    std::vector<unsigned> functions;
    for (std::size_t at = 18; at + 6 <= bits.size();) {
        std::uint32_t words = bits[at] | bits[at + 1] << 8 | bits[at + 2] << 16 | bits[at + 3] << 24;
        functions.push_back(bits[at + 4] | bits[at + 5] << 8);
        at += words * 2;
    }
    return functions;
}

} // namespace

TEST(ReadWindowsMetafile, KeepsTheDrawingRecordsDropsEscapesAndReadsThePlaceableHeader)
{
    for (bool placeable : {false, true}) {
        Bytes file = Metafile(placeable, true);
        auto wmf = ReadWindowsMetafile(file.data(), file.size());
        ASSERT_TRUE(wmf) << placeable;
        EXPECT_EQ(Functions(wmf->bits), (std::vector<unsigned>{0x020C, 0x041B, 0x0000}));
        EXPECT_EQ(wmf->bits.size(), Metafile(false, false).size());
        EXPECT_EQ(wmf->bits[6] | wmf->bits[7] << 8, static_cast<int>(wmf->bits.size() / 2)) << "size in words";
        EXPECT_EQ(wmf->bits[12], 7) << "largest record";
        ASSERT_EQ(wmf->placeable.has_value(), placeable);
        if (placeable) {
            const auto& box = *wmf->placeable;
            EXPECT_EQ(std::tuple(box.left, box.top, box.right, box.bottom, box.unitsPerInch),
                      std::tuple(-10, 20, 1000, 520, 1440));
        }
    }
}

TEST(ReadWindowsMetafile, RefusesBrokenFiles)
{
    Bytes good = Metafile(false, false);
    Bytes tooLong = good;
    tooLong[18] = 200;  // first record claims 200 words
    Bytes tooShort = good;
    tooShort[18] = 2;
    Bytes noEnd(good.begin(), good.end() - 6);
    Bytes notAMetafile = good;
    notAMetafile[2] = 8;
    for (const Bytes& bad : {tooLong, tooShort, noEnd, notAMetafile, Bytes(good.begin(), good.begin() + 10)})
        EXPECT_FALSE(ReadWindowsMetafile(bad.data(), bad.size()));
}
