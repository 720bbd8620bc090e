#include <algorithm>
#include <map>
#include <utility>

#include "tests/native/picdec/writers/EncodedPictures.h"

namespace picdec::samples {

namespace {

// The pixels as GIF's LZW codes, least significant bit first: codes start
// one bit wider than the code size and grow to 12 bits as the table fills; a
// full table (at once for code sizes of 12 and more) is cleared. The encoder
// makes each entry one code before the decoder does, so it widens one entry later.
std::vector<std::uint8_t> LzwCodes(const std::vector<std::uint8_t>& pixels, int codeSize)
{
    const unsigned clear = 1u << codeSize;
    std::map<std::pair<unsigned, std::uint8_t>, unsigned> table;
    unsigned next = 0;
    int width = codeSize + 1;
    std::vector<std::uint8_t> bytes;
    std::uint64_t bits = 0;
    int count = 0;
    auto put = [&](unsigned code) {
        for (bits |= std::uint64_t{code} << count, count += width; count >= 8; count -= 8, bits >>= 8)
            bytes.push_back(static_cast<std::uint8_t>(bits));
    };
    auto restart = [&] {
        put(clear);
        table.clear();
        next = clear + 2;
        width = codeSize + 1;
    };
    restart();
    unsigned current = pixels.at(0);
    for (std::size_t i = 1; i < pixels.size(); ++i) {
        if (const auto found = table.find({current, pixels[i]}); found != table.end()) {
            current = found->second;
            continue;
        }
        put(current);
        if (next >= 4096) {
            restart();
        } else if (table[{current, pixels[i]}] = next++; next > 1u << width && width < 12) {
            ++width;
        }
        current = pixels[i];
    }
    put(current);
    put(clear + 1);
    if (count > 0)
        bytes.push_back(static_cast<std::uint8_t>(bits));
    return bytes;
}

void PutColourMap(File& file, const GifPlan& plan)
{
    for (std::size_t i = 0; i < std::size_t{1} << plan.colourBits; ++i) {
        const Colour c = i < plan.palette.size() ? plan.palette[i] : Colour{};
        file.insert(file.end(), {c.red, c.green, c.blue});
    }
}

}  // namespace

File GifFile(const GifPlan& plan)
{
    File file{'G', 'I', 'F', '8', '9', 'a'};
    Put16(file, static_cast<unsigned>(plan.screenWidth));
    Put16(file, static_cast<unsigned>(plan.screenHeight));
    const auto mapFlags = static_cast<std::uint8_t>(0x80 | (plan.colourBits - 1));
    file.insert(file.end(), {static_cast<std::uint8_t>(plan.localColourMap ? 0 : mapFlags | (plan.colourBits - 1) << 4),
                             static_cast<std::uint8_t>(plan.background), 0});
    if (!plan.localColourMap)
        PutColourMap(file, plan);
    if (plan.transparent >= 0)  // a graphic control extension naming the transparent colour
        file.insert(file.end(), {0x21, 0xF9, 4, 1, 0, 0, static_cast<std::uint8_t>(plan.transparent), 0});
    file.push_back(0x2C);
    for (const int value : {plan.left, plan.top, plan.width, plan.height})
        Put16(file, static_cast<unsigned>(value));
    file.push_back(static_cast<std::uint8_t>((plan.localColourMap ? mapFlags : 0) | (plan.interlaced ? 0x40 : 0)));
    if (plan.localColourMap)
        PutColourMap(file, plan);
    // The rows in stored order: the four passes of an interlaced picture.
    std::vector<std::uint8_t> pixels;
    for (const auto& [first, step] : plan.interlaced ? std::vector<std::pair<int, int>>{{0, 8}, {4, 8}, {2, 4}, {1, 2}}
                                                     : std::vector<std::pair<int, int>>{{0, 1}})
        for (int y = first; y < plan.height; y += step)
            pixels.insert(pixels.end(), plan.indices.begin() + y * plan.width,
                          plan.indices.begin() + (y + 1) * plan.width);
    const int codeSize = plan.lzwCodeSize != 0 ? plan.lzwCodeSize : std::max(2, plan.colourBits);
    file.push_back(static_cast<std::uint8_t>(codeSize));
    const std::vector<std::uint8_t> codes = LzwCodes(pixels, codeSize);
    for (std::size_t at = 0; at < codes.size(); at += 255) {  // in sub-blocks
        const std::size_t size = std::min<std::size_t>(255, codes.size() - at);
        file.push_back(static_cast<std::uint8_t>(size));
        file.insert(file.end(), codes.begin() + static_cast<std::ptrdiff_t>(at),
                    codes.begin() + static_cast<std::ptrdiff_t>(at + size));
    }
    file.insert(file.end(), {0, 0x3B});
    return file;
}

}  // namespace picdec::samples
