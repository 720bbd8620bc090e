#include <string_view>

#include <webp/encode.h>

#include "tests/native/picdec/writers/EncodedPictures.h"

namespace picdec::samples {

namespace {

constexpr std::size_t kRiffHeaderSize = 12;
constexpr std::uint8_t kAnimationFlag = 0x02;
constexpr std::uint8_t kProfileFlag = 0x20;

void PutTag(File& file, std::string_view tag) { file.insert(file.end(), tag.begin(), tag.end()); }

void Put24(File& file, std::uint32_t value)
{
    for (int shift = 0; shift < 24; shift += 8)
        file.push_back(static_cast<std::uint8_t>(value >> shift));
}

void PutChunk(File& file, std::string_view tag, const File& payload)
{
    PutTag(file, tag);
    Put32(file, static_cast<std::uint32_t>(payload.size()));
    file.insert(file.end(), payload.begin(), payload.end());
    if (payload.size() % 2 != 0)
        file.push_back(0);
}

File ExtendedHeader(std::uint32_t width, std::uint32_t height, std::uint8_t flags)
{
    File payload{flags, 0, 0, 0};
    Put24(payload, width - 1);
    Put24(payload, height - 1);
    return payload;
}

File Riff(const File& chunks)
{
    File file;
    PutTag(file, "RIFF");
    Put32(file, static_cast<std::uint32_t>(4 + chunks.size()));
    PutTag(file, "WEBP");
    file.insert(file.end(), chunks.begin(), chunks.end());
    return file;
}

}  // namespace

File WebpFile(const WebpPlan& plan)
{
    const int channels = plan.alpha ? 4 : 3;
    File samples;
    for (const auto& row : plan.rows)
        samples.insert(samples.end(), row.begin(), row.end());
    const int width = static_cast<int>(plan.width);
    const int height = static_cast<int>(plan.height);
    const int stride = width * channels;
    const auto quality = static_cast<float>(plan.quality);
    std::uint8_t* output = nullptr;
    std::size_t size = 0;
    if (plan.lossless)
        size = plan.alpha ? WebPEncodeLosslessRGBA(samples.data(), width, height, stride, &output)
                          : WebPEncodeLosslessRGB(samples.data(), width, height, stride, &output);
    else
        size = plan.alpha ? WebPEncodeRGBA(samples.data(), width, height, stride, quality, &output)
                          : WebPEncodeRGB(samples.data(), width, height, stride, quality, &output);
    File file(output, output + size);
    WebPFree(output);
    if (plan.iccProfile.empty())
        return file;
    // The extended form: its header, the ICCP chunk, then the picture's chunks.
    File chunks;
    PutChunk(chunks, "VP8X", ExtendedHeader(plan.width, plan.height, kProfileFlag));
    PutChunk(chunks, "ICCP", plan.iccProfile);
    chunks.insert(chunks.end(), file.begin() + kRiffHeaderSize, file.end());
    return Riff(chunks);
}

File AnimatedWebpFile(const std::vector<WebpFrame>& frames, std::uint32_t canvasWidth, std::uint32_t canvasHeight)
{
    File chunks;
    PutChunk(chunks, "VP8X", ExtendedHeader(canvasWidth, canvasHeight, kAnimationFlag));
    PutChunk(chunks, "ANIM", File{255, 255, 255, 255, 0, 0});
    for (const WebpFrame& frame : frames) {
        const File still = WebpFile(frame.plan);
        File anmf;
        Put24(anmf, frame.left / 2);
        Put24(anmf, frame.top / 2);
        Put24(anmf, frame.plan.width - 1);
        Put24(anmf, frame.plan.height - 1);
        Put24(anmf, 100);
        anmf.push_back(0);
        // The still's own chunk: an opaque still holds nothing else.
        anmf.insert(anmf.end(), still.begin() + kRiffHeaderSize, still.end());
        PutChunk(chunks, "ANMF", anmf);
    }
    return Riff(chunks);
}

File AnimatedWebpFile(const WebpPlan& frame) { return AnimatedWebpFile({{frame}}, frame.width, frame.height); }

File WebpCanvasHeader(std::uint32_t width, std::uint32_t height)
{
    File chunks;
    PutChunk(chunks, "VP8X", ExtendedHeader(width, height, 0));
    return Riff(chunks);
}

}  // namespace picdec::samples
