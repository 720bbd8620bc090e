#include <stdexcept>

#include <jxl/encode.h>

#include "tests/native/picdec/writers/EncodedPictures.h"

namespace picdec::samples {

namespace {

void Check(JxlEncoderStatus status, const char* what)
{
    if (status != JXL_ENC_SUCCESS)
        throw std::runtime_error(std::string("libjxl: ") + what);
}

JxlBasicInfo BasicInfo(const JxlPlan& plan)
{
    JxlBasicInfo info;
    JxlEncoderInitBasicInfo(&info);
    info.xsize = plan.width;
    info.ysize = plan.height;
    info.bits_per_sample = static_cast<std::uint32_t>(plan.bitDepth);
    info.num_color_channels = plan.grey ? 1 : 3;
    info.alpha_bits = plan.alpha ? info.bits_per_sample : 0;
    info.num_extra_channels = plan.alpha ? 1 : 0;
    info.orientation = static_cast<JxlOrientation>(plan.orientation);
    info.uses_original_profile = plan.lossless ? JXL_TRUE : JXL_FALSE;
    if (plan.frames > 1) {
        info.have_animation = JXL_TRUE;
        info.animation.tps_numerator = 10;
        info.animation.tps_denominator = 1;
    }
    return info;
}

// Samples as libjxl takes them: 8 bits, or spread over 16.
std::vector<std::uint8_t> Samples(const JxlPlan& plan, int frame)
{
    const std::uint32_t top = (1u << plan.bitDepth) - 1;
    std::vector<std::uint8_t> bytes;
    for (std::uint32_t y = 0; y < plan.height; ++y)
        for (const std::uint16_t sample : plan.rows[static_cast<std::size_t>(frame) * plan.height + y]) {
            if (plan.bitDepth <= 8) {
                bytes.push_back(static_cast<std::uint8_t>(sample));
                continue;
            }
            const auto wide = static_cast<std::uint16_t>((sample * 65535u + top / 2) / top);
            bytes.push_back(static_cast<std::uint8_t>(wide));
            bytes.push_back(static_cast<std::uint8_t>(wide >> 8));
        }
    return bytes;
}

}  // namespace

File JxlFile(const JxlPlan& plan)
{
    JxlEncoder* encoder = JxlEncoderCreate(nullptr);
    const JxlBasicInfo info = BasicInfo(plan);
    Check(JxlEncoderSetBasicInfo(encoder, &info), "basic information");
    JxlColorEncoding colour;
    JxlColorEncodingSetToSRGB(&colour, plan.grey ? JXL_TRUE : JXL_FALSE);
    Check(JxlEncoderSetColorEncoding(encoder, &colour), "colour encoding");
    JxlEncoderFrameSettings* settings = JxlEncoderFrameSettingsCreate(encoder, nullptr);
    if (plan.lossless)
        Check(JxlEncoderSetFrameLossless(settings, JXL_TRUE), "lossless");
    else
        Check(JxlEncoderSetFrameDistance(settings, 1.0f), "distance");
    const JxlPixelFormat format{(plan.grey ? 1u : 3u) + (plan.alpha ? 1u : 0u),
                                plan.bitDepth > 8 ? JXL_TYPE_UINT16 : JXL_TYPE_UINT8, JXL_LITTLE_ENDIAN, 0};
    for (int frame = 0; frame < plan.frames; ++frame) {
        if (plan.frames > 1) {
            JxlFrameHeader header;
            JxlEncoderInitFrameHeader(&header);
            header.duration = 1;
            Check(JxlEncoderSetFrameHeader(settings, &header), "frame header");
        }
        const std::vector<std::uint8_t> samples = Samples(plan, frame);
        Check(JxlEncoderAddImageFrame(settings, &format, samples.data(), samples.size()), "frame");
    }
    JxlEncoderCloseInput(encoder);
    File file(4096);
    std::size_t written = 0;
    for (;;) {
        std::uint8_t* next = file.data() + written;
        std::size_t available = file.size() - written;
        const JxlEncoderStatus status = JxlEncoderProcessOutput(encoder, &next, &available);
        written = static_cast<std::size_t>(next - file.data());
        if (status == JXL_ENC_SUCCESS)
            break;
        if (status != JXL_ENC_NEED_MORE_OUTPUT)
            throw std::runtime_error("libjxl: encoding");
        file.resize(file.size() * 2);
    }
    file.resize(written);
    JxlEncoderDestroy(encoder);
    return file;
}

}  // namespace picdec::samples
