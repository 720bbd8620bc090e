#include "picdec/formats/PcxCodec.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "picdec/CheckedSize.h"
#include "picdec/PixelRows.h"
#include "picdec/formats/PcxHeader.h"

namespace picdec {

namespace {

// PCX run-length data; runs may go on from one line into the next.
class PcxLineReader {
public:
    PcxLineReader(Bytes data, bool compressed) : data_(data), compressed_(compressed) {}

    bool ReadLine(std::uint8_t* line, std::size_t size)
    {
        if (!compressed_)
            return CopyRaw(line, size);
        std::size_t filled = 0;
        while (filled < size) {
            if (runLeft_ == 0 && !StartRun())
                return false;
            const std::size_t count = std::min(runLeft_, size - filled);
            std::memset(line + filled, runValue_, count);
            filled += count;
            runLeft_ -= count;
        }
        return true;
    }

private:
    bool StartRun()
    {
        if (at_ >= data_.size())
            return false;
        const std::uint8_t code = data_[at_++];
        if ((code & 0xC0) != 0xC0) {
            runValue_ = code;
            runLeft_ = 1;
            return true;
        }
        if (at_ >= data_.size())
            return false;
        runValue_ = data_[at_++];
        runLeft_ = code & 0x3F;
        return true;
    }

    bool CopyRaw(std::uint8_t* line, std::size_t size)
    {
        if (data_.size() - at_ < size)
            return false;
        std::memcpy(line, data_.data() + at_, size);
        at_ += size;
        return true;
    }

    Bytes data_;
    bool compressed_;
    std::size_t at_ = 0;
    std::size_t runLeft_ = 0;
    std::uint8_t runValue_ = 0;
};

int NativeDepth(const PcxHeader& header)
{
    return header.TrueColour() ? 24 : PaletteDibDepth(header.IndexBits());
}

void PlanesToBgr(const std::uint8_t* line, const PcxHeader& header, std::uint8_t* row)
{
    const std::uint8_t* red = line;
    const std::uint8_t* green = line + header.bytesPerLine;
    const std::uint8_t* blue = line + 2 * header.bytesPerLine;
    for (std::uint32_t x = 0; x < header.width; ++x) {
        row[x * 3] = blue[x];
        row[x * 3 + 1] = green[x];
        row[x * 3 + 2] = red[x];
    }
}

// Plane p holds bits p * bitsPerPlane and up of each index.
void PlanesToIndices(const std::uint8_t* line, const PcxHeader& header, std::uint8_t* indices)
{
    const int bits = header.bitsPerPlane;
    const int perByte = 8 / bits;
    const unsigned mask = (1u << bits) - 1;
    std::fill(indices, indices + header.width, std::uint8_t{0});
    for (int plane = 0; plane < header.planes; ++plane) {
        const std::uint8_t* source = line + static_cast<std::size_t>(plane) * header.bytesPerLine;
        for (std::uint32_t x = 0; x < header.width; ++x) {
            const int shift = 8 - bits * (1 + static_cast<int>(x % static_cast<std::uint32_t>(perByte)));
            const unsigned value = (source[x / static_cast<std::uint32_t>(perByte)] >> shift) & mask;
            indices[x] = static_cast<std::uint8_t>(indices[x] | value << (plane * bits));
        }
    }
}

// One plane of 1, 4 or 8 bits is already laid out as the DIB row.
bool SamePackingAsDib(const PcxHeader& header)
{
    return header.planes == 1 && header.bitsPerPlane != 2;
}

std::string Description(const PcxHeader& header)
{
    return std::string(header.compressed ? "RLE" : "Uncompressed") + ", version " + std::to_string(header.version);
}

int PaletteSize(const PcxHeader& header)
{
    if (header.TrueColour())
        return 0;
    return static_cast<int>(header.palette.size());
}

}  // namespace

Status ReadPcxInfo(Bytes file, PictureInfo& info)
{
    PcxHeader header;
    if (const Status status = ParsePcxHeader(file, header); status != Status::Ok)
        return status;
    info.format = PictureFormat::Pcx;
    info.width = header.width;
    info.height = header.height;
    if (header.TrueColour())
        SetColourDepth(info, header.planes == 4);
    else
        SetIndexedDepth(info, header.planes, header.bitsPerPlane);
    info.paletteSize = PaletteSize(header);
    info.description = ShortDescription(Description(header));
    info.nativeBitsPerPixel = NativeDepth(header);
    info.palette = header.palette;
    return Status::Ok;
}

Status DecodePcx(Bytes file, const PictureInfo& info, const DibView& target)
{
    PcxHeader header;
    if (const Status status = ParsePcxHeader(file, header); status != Status::Ok)
        return status;
    if (header.width != info.width || header.height != info.height || target.bitsPerPixel != NativeDepth(header))
        return Status::CorruptData;
    const std::size_t dataEnd = header.hasEndPalette ? file.size() - 769 : file.size();
    PcxLineReader reader(file.subspan(kPcxHeaderSize, dataEnd - kPcxHeaderSize), header.compressed);
    const std::size_t lineSize =
        SizeForAllocation(CheckedSize(header.bytesPerLine) * static_cast<std::uint32_t>(header.planes));
    std::vector<std::uint8_t> line(lineSize);
    std::vector<std::uint8_t> indices(header.width);
    const std::size_t rowBytes = std::min(target.Stride(), header.bytesPerLine);
    for (std::uint32_t y = 0; y < header.height; ++y) {
        if (!reader.ReadLine(line.data(), lineSize))
            return Status::TruncatedData;
        std::uint8_t* row = target.Row(y);
        if (header.TrueColour()) {
            PlanesToBgr(line.data(), header, row);
        } else if (SamePackingAsDib(header)) {
            std::memcpy(row, line.data(), rowBytes);
        } else {
            PlanesToIndices(line.data(), header, indices.data());
            PackIndices(indices.data(), header.width, target.bitsPerPixel, row);
        }
    }
    return Status::Ok;
}

}  // namespace picdec
