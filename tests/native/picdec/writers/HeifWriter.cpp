#include <stdexcept>

#include <avif/avif.h>
#include <libheif/heif.h>

#include "tests/native/picdec/writers/EncodedPictures.h"

namespace picdec::samples {

namespace {

void Check(const heif_error& error)
{
    if (error.code != heif_error_Ok)
        throw std::runtime_error(std::string("libheif: ") + error.message);
}

heif_image* Image(const HeifPlan& plan)
{
    const heif_chroma chroma = plan.bitDepth > 8
                                   ? (plan.alpha ? heif_chroma_interleaved_RRGGBBAA_LE : heif_chroma_interleaved_RRGGBB_LE)
                                   : (plan.alpha ? heif_chroma_interleaved_RGBA : heif_chroma_interleaved_RGB);
    const int width = static_cast<int>(plan.width);
    const int height = static_cast<int>(plan.height);
    heif_image* image = nullptr;
    Check(heif_image_create(width, height, heif_colorspace_RGB, chroma, &image));
    Check(heif_image_add_plane(image, heif_channel_interleaved, width, height, plan.bitDepth));
    int stride = 0;
    std::uint8_t* pixels = heif_image_get_plane(image, heif_channel_interleaved, &stride);
    for (std::uint32_t y = 0; y < plan.height; ++y) {
        std::uint8_t* out = pixels + static_cast<std::size_t>(y) * static_cast<std::size_t>(stride);
        for (const std::uint16_t sample : plan.rows[y]) {
            *out++ = static_cast<std::uint8_t>(sample);
            if (plan.bitDepth > 8)
                *out++ = static_cast<std::uint8_t>(sample >> 8);
        }
    }
    return image;
}

heif_encoder* Encoder(heif_context* context, const HeifPlan& plan)
{
    heif_encoder* encoder = nullptr;
    Check(heif_context_get_encoder_for_format(context, plan.av1 ? heif_compression_AV1 : heif_compression_HEVC,
                                              &encoder));
    Check(heif_encoder_set_lossy_quality(encoder, plan.quality));
    Check(heif_encoder_set_parameter(encoder, "chroma", "444"));  // sharp colour edges
    return encoder;
}

heif_error Append(heif_context*, const void* data, size_t size, void* file)
{
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    static_cast<File*>(file)->insert(static_cast<File*>(file)->end(), bytes, bytes + size);
    return heif_error{heif_error_Ok, heif_suberror_Unspecified, "ok"};
}

// libheif's own RGB conversion is off by one even when told to code RGB
// unchanged, so AV1 pictures, lossless ones above all, come from libavif.
struct Exif2Avif {
    int angle;  // anticlockwise quarter turns, applied first
    int mirror;  // then 0: top and bottom exchanged, 1: left and right; -1 none
};
constexpr Exif2Avif kTransforms[9] = {{0, -1}, {0, -1}, {0, 1}, {2, -1}, {0, 0}, {1, 0}, {3, -1}, {1, 1}, {1, -1}};

void Check(avifResult result)
{
    if (result != AVIF_RESULT_OK)
        throw std::runtime_error(std::string("libavif: ") + avifResultToString(result));
}

File AvifFile(const HeifPlan& plan)
{
    avifImage* image = avifImageCreate(plan.width, plan.height, static_cast<std::uint32_t>(plan.bitDepth),
                                       AVIF_PIXEL_FORMAT_YUV444);
    image->yuvRange = AVIF_RANGE_FULL;
    image->colorPrimaries = static_cast<avifColorPrimaries>(plan.colourPrimaries);
    image->transferCharacteristics = static_cast<avifTransferCharacteristics>(plan.transfer);
    image->matrixCoefficients = plan.lossless ? AVIF_MATRIX_COEFFICIENTS_IDENTITY : AVIF_MATRIX_COEFFICIENTS_BT601;
    const Exif2Avif transform = kTransforms[plan.orientation];
    if (transform.angle != 0) {
        image->transformFlags |= AVIF_TRANSFORM_IROT;
        image->irot.angle = static_cast<std::uint8_t>(transform.angle);
    }
    if (transform.mirror >= 0) {
        image->transformFlags |= AVIF_TRANSFORM_IMIR;
        image->imir.mode = static_cast<std::uint8_t>(transform.mirror);
    }
    avifRGBImage rgb;
    avifRGBImageSetDefaults(&rgb, image);
    rgb.format = plan.alpha ? AVIF_RGB_FORMAT_RGBA : AVIF_RGB_FORMAT_RGB;
    avifRGBImageAllocatePixels(&rgb);
    for (std::uint32_t y = 0; y < plan.height; ++y) {
        std::uint8_t* out = rgb.pixels + static_cast<std::size_t>(y) * rgb.rowBytes;
        for (std::size_t i = 0; i < plan.rows[y].size(); ++i) {
            if (plan.bitDepth > 8)
                reinterpret_cast<std::uint16_t*>(out)[i] = plan.rows[y][i];
            else
                out[i] = static_cast<std::uint8_t>(plan.rows[y][i]);
        }
    }
    Check(avifImageRGBToYUV(image, &rgb));
    if (!plan.iccProfile.empty())
        avifImageSetProfileICC(image, plan.iccProfile.data(), plan.iccProfile.size());
    avifEncoder* encoder = avifEncoderCreate();
    const int quantizer = plan.lossless ? AVIF_QUANTIZER_LOSSLESS : (100 - plan.quality) * 63 / 100;
    encoder->minQuantizer = encoder->maxQuantizer = quantizer;
    encoder->minQuantizerAlpha = encoder->maxQuantizerAlpha = quantizer;
    encoder->speed = AVIF_SPEED_FASTEST;
    avifRWData out = AVIF_DATA_EMPTY;
    Check(avifEncoderWrite(encoder, image, &out));
    const File file(out.data, out.data + out.size);
    avifRWDataFree(&out);
    avifEncoderDestroy(encoder);
    avifRGBImageFreePixels(&rgb);
    avifImageDestroy(image);
    return file;
}

File HevcFile(const HeifPlan& plan)
{
    heif_context* context = heif_context_alloc();
    heif_image* image = Image(plan);
    if (!plan.iccProfile.empty())
        Check(heif_image_set_raw_color_profile(image, "prof", plan.iccProfile.data(), plan.iccProfile.size()));
    heif_encoder* encoder = Encoder(context, plan);
    heif_encoding_options* options = heif_encoding_options_alloc();
    options->image_orientation = static_cast<heif_orientation>(plan.orientation);
    Check(heif_context_encode_image(context, image, encoder, options, nullptr));
    File file;
    heif_writer writer{1, Append};
    Check(heif_context_write(context, &writer, &file));
    heif_encoding_options_free(options);
    heif_encoder_release(encoder);
    heif_image_release(image);
    heif_context_free(context);
    return file;
}

}  // namespace

File HeifFile(const HeifPlan& plan) { return plan.av1 ? AvifFile(plan) : HevcFile(plan); }

}  // namespace picdec::samples
