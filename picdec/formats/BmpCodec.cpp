#include "picdec/formats/BmpCodec.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <string>

#include "picdec/formats/BmpBitFields.h"
#include "picdec/formats/BmpHeader.h"
#include "picdec/formats/BmpRle.h"

namespace picdec {

namespace {

std::string HeaderName(std::uint32_t size)
{
    switch (size) {
    case 12: return "core header";
    case 40: return "V3 header";
    case 108: return "V4 header";
    case 124: return "V5 header";
    default: return "header " + std::to_string(size);
    }
}

std::string CompressionName(BmpCompression compression)
{
    switch (compression) {
    case BmpCompression::Rle8: return "RLE8";
    case BmpCompression::Rle4: return "RLE4";
    case BmpCompression::BitFields:
    case BmpCompression::AlphaBitFields: return "Bit fields";
    default: return "Uncompressed";
    }
}

int NativeDepth(const BmpHeader& header) { return header.bitsPerPixel <= 8 ? header.bitsPerPixel : 24; }

Bytes PixelData(Bytes file, const BmpHeader& header)
{
    return header.pixelOffset < file.size() ? file.subspan(header.pixelOffset) : Bytes{};
}

// Uncompressed rows: the file's row layout is the DIB's, except 16 and 32 bits.
Status CopyRows(Bytes data, const BmpHeader& header, const DibView& target)
{
    const std::optional<std::size_t> stride = DibStride(header.width, header.bitsPerPixel).ToSize();
    if (!stride)
        return Status::OutOfMemory;
    const std::size_t fileStride = *stride;
    const BmpBitFields fields(header.masks);
    const bool convert = header.bitsPerPixel == 16 || header.bitsPerPixel == 32;
    const std::size_t rowsInFile = std::min<std::size_t>(data.size() / fileStride, header.height);
    for (std::uint32_t fileRow = 0; fileRow < rowsInFile; ++fileRow) {
        const std::uint32_t y = header.topDown ? fileRow : header.height - 1 - fileRow;
        const std::uint8_t* source = data.data() + fileRow * fileStride;
        if (convert)
            fields.ConvertRow(source, header.width, header.bitsPerPixel, target.Row(y));
        else
            std::memcpy(target.Row(y), source, target.Stride());
    }
    return rowsInFile < header.height ? Status::TruncatedData : Status::Ok;
}

}  // namespace

Status ReadBmpInfo(Bytes file, PictureInfo& info)
{
    BmpHeader header;
    if (const Status status = ParseBmpHeader(file, header); status != Status::Ok)
        return status;
    info.format = PictureFormat::Bmp;
    info.width = header.width;
    info.height = header.height;
    const bool alpha = header.masks[3] != 0 && header.bitsPerPixel == 32;
    if (header.bitsPerPixel <= 8)
        SetIndexedDepth(info, 1, header.bitsPerPixel);
    else
        SetColourDepth(info, alpha);
    info.paletteSize = static_cast<int>(header.fileColourCount);
    info.description = ShortDescription(CompressionName(header.compression) + ", " + HeaderName(header.headerSize));
    info.nativeBitsPerPixel = NativeDepth(header);
    info.palette = header.palette;
    return Status::Ok;
}

Status DecodeBmp(Bytes file, const PictureInfo& info, const DibView& target)
{
    BmpHeader header;
    if (const Status status = ParseBmpHeader(file, header); status != Status::Ok)
        return status;
    if (header.width != info.width || header.height != info.height || target.bitsPerPixel != NativeDepth(header))
        return Status::CorruptData;
    const Bytes data = PixelData(file, header);
    if (header.compression == BmpCompression::Rle8 || header.compression == BmpCompression::Rle4)
        return DecodeBmpRle(data, target);
    return CopyRows(data, header, target);
}

}  // namespace picdec
