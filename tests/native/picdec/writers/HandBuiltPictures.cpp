#include "tests/native/picdec/writers/HandBuiltPictures.h"

#include <algorithm>

namespace picdec::samples {

namespace {

// PCX run-length encoding of one line.
void AppendPcxRuns(File& file, std::span<const std::uint8_t> line)
{
    std::size_t i = 0;
    while (i < line.size()) {
        std::size_t run = 1;
        while (i + run < line.size() && run < 63 && line[i + run] == line[i])
            ++run;
        if (run > 1 || (line[i] & 0xC0) == 0xC0)
            file.push_back(static_cast<std::uint8_t>(0xC0 | run));
        file.push_back(line[i]);
        i += run;
    }
}

}  // namespace

File BmpFile(const BmpPlan& plan)
{
    File header;  // the header from its size on, the masks and the colour table
    Put32(header, plan.headerSize);
    const auto width = static_cast<std::uint32_t>(plan.width), height = static_cast<std::uint32_t>(plan.height);
    const auto bits = static_cast<std::uint32_t>(plan.bitsPerPixel);
    if (plan.headerSize == 12) {
        for (const std::uint32_t value : {width, height, 1u, bits})
            Put16(header, value);
    } else {
        const auto pixelBytes = static_cast<std::uint32_t>(plan.pixels.size());
        for (const std::uint32_t value :
             {width, height, 1u | bits << 16, plan.compression, pixelBytes, 2835u, 2835u, plan.coloursUsed, 0u})
            Put32(header, value);
        const bool masksInside = plan.headerSize > 40;
        if (masksInside || plan.compression == 3)
            for (std::size_t i = 0; i < (masksInside ? 4u : 3u); ++i)
                Put32(header, plan.masks[i]);
        header.resize(std::max<std::size_t>(header.size(), plan.headerSize), 0);
    }
    for (const Colour& c : plan.palette) {
        header.insert(header.end(), {c.blue, c.green, c.red});
        if (plan.headerSize != 12)
            header.push_back(0);
    }
    const auto offset = static_cast<std::uint32_t>(14 + header.size());
    File file{'B', 'M'};
    for (const std::uint32_t value : {offset + static_cast<std::uint32_t>(plan.pixels.size()), 0u, offset})
        Put32(file, value);
    file.insert(file.end(), header.begin(), header.end());
    file.insert(file.end(), plan.pixels.begin(), plan.pixels.end());
    return file;
}

std::vector<std::uint8_t> BmpRows(std::span<const std::vector<std::uint8_t>> topDownRows)
{
    std::vector<std::uint8_t> pixels;
    for (auto row = topDownRows.rbegin(); row != topDownRows.rend(); ++row) {
        pixels.insert(pixels.end(), row->begin(), row->end());
        while (pixels.size() % 4 != 0)
            pixels.push_back(0);
    }
    return pixels;
}

unsigned PcxBytesPerLine(const PcxPlan& plan)
{
    if (plan.bytesPerLine != 0)
        return plan.bytesPerLine;
    const unsigned bytes = (plan.width * static_cast<unsigned>(plan.bitsPerPlane) + 7) / 8;
    return (bytes + 1) & ~1u;
}

File PcxFile(const PcxPlan& plan)
{
    File file{0x0A, static_cast<std::uint8_t>(plan.version), static_cast<std::uint8_t>(plan.compressed ? 1 : 0),
              static_cast<std::uint8_t>(plan.bitsPerPlane)};
    for (const unsigned value : {0u, 0u, plan.width - 1, plan.height - 1, 72u, 72u})
        Put16(file, value);
    for (std::size_t i = 0; i < 16; ++i) {
        const Colour c = i < plan.headerPalette.size() ? plan.headerPalette[i] : Colour{};
        file.insert(file.end(), {c.red, c.green, c.blue});
    }
    file.insert(file.end(), {0, static_cast<std::uint8_t>(plan.planes)});
    Put16(file, PcxBytesPerLine(plan));
    Put16(file, 1);
    file.resize(128, 0);
    for (const auto& line : plan.lines) {
        if (plan.compressed)
            AppendPcxRuns(file, line);
        else
            file.insert(file.end(), line.begin(), line.end());
    }
    if (!plan.endPalette.empty()) {
        file.push_back(0x0C);
        for (const Colour& c : plan.endPalette)
            file.insert(file.end(), {c.red, c.green, c.blue});
    }
    return file;
}

}  // namespace picdec::samples
