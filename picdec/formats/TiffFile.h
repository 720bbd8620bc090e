#pragma once
// A libtiff reader over bytes in memory, on the first page. libtiff's
// messages are caught per file and never printed.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

#include <tiffio.h>

#include "picdec/colour/IccProfile.h"
#include "picdec/formats/Codec.h"

namespace picdec {

struct TiffMemory {
    Bytes file;
    toff_t at = 0;
    bool failed = false;
    bool readPastEnd = false;
    // A size libtiff cannot represent in this build (its sizes have the
    // width of a pointer): the picture is too large, not damaged.
    bool tooLarge = false;
};

class TiffFile {
public:
    explicit TiffFile(Bytes file);
    ~TiffFile();
    TiffFile(const TiffFile&) = delete;
    TiffFile& operator=(const TiffFile&) = delete;

    TIFF* Handle() const { return tiff_; }
    // Why opening failed, or why the last read failed.
    Status Failure() const;

    std::uint16_t Tag16(ttag_t tag, std::uint16_t fallback) const;
    std::uint32_t Tag32(ttag_t tag, std::uint32_t fallback) const;
    // The first page's embedded ICC profile; empty without a whole one.
    IccProfile Profile() const;

    // Samples stored apart, one plane each (planar configuration 2), or 1.
    int PlaneCount() const;

    // Calls consume(y, planes) for every row of the first page, top to bottom,
    // with the samples as libtiff decodes them: planes[p] is the row of plane
    // p, for every p below PlaneCount().
    using RowConsumer = std::function<void(std::uint32_t y, const std::uint8_t* const* planes)>;
    Status ForEachRow(const RowConsumer& consume);

private:
    Status ForEachStripRow(const RowConsumer& consume);
    Status ForEachTileRow(const RowConsumer& consume);
    Status ReadTileBand(std::uint32_t y, std::uint32_t rows, int plane, std::vector<std::uint8_t>& tile,
                        std::uint8_t* band);
    Status ReadFailure(std::uint32_t index) const;

    TiffMemory memory_;
    TIFF* tiff_ = nullptr;
};

}  // namespace picdec
