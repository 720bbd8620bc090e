#include "ReferenceDecoders.h"

#include <cstdio>
#include <cstring>

#include <gif_lib.h>
#include <jpeglib.h>
#include <png.h>
#include <jxl/decode.h>
#include <libheif/heif.h>
#include <webp/decode.h>

namespace picdec::bench {

std::vector<std::uint8_t> PlainJpegDecode(std::span<const std::uint8_t> file)
{
    jpeg_decompress_struct jpeg{};
    jpeg_error_mgr errors{};
    jpeg.err = jpeg_std_error(&errors);
    jpeg_create_decompress(&jpeg);
    jpeg_mem_src(&jpeg, file.data(), static_cast<unsigned long>(file.size()));
    jpeg_read_header(&jpeg, TRUE);
    jpeg.out_color_space = JCS_RGB;
    jpeg_start_decompress(&jpeg);
    const std::size_t stride = static_cast<std::size_t>(jpeg.output_width) * 3;
    std::vector<std::uint8_t> pixels(stride * jpeg.output_height);
    while (jpeg.output_scanline < jpeg.output_height) {
        JSAMPROW row = pixels.data() + jpeg.output_scanline * stride;
        jpeg_read_scanlines(&jpeg, &row, 1);
    }
    jpeg_finish_decompress(&jpeg);
    jpeg_destroy_decompress(&jpeg);
    return pixels;
}

namespace {

struct MemoryReader {
    std::span<const std::uint8_t> file;
    std::size_t at = 0;
};

void ReadPng(png_structp png, png_bytep out, std::size_t count)
{
    auto* reader = static_cast<MemoryReader*>(png_get_io_ptr(png));
    std::memcpy(out, reader->file.data() + reader->at, count);
    reader->at += count;
}

int ReadGif(GifFileType* gif, GifByteType* out, int count)
{
    auto* reader = static_cast<MemoryReader*>(gif->UserData);
    std::memcpy(out, reader->file.data() + reader->at, static_cast<std::size_t>(count));
    reader->at += static_cast<std::size_t>(count);
    return count;
}

}  // namespace

std::vector<std::uint8_t> PlainPngRead(std::span<const std::uint8_t> file)
{
    MemoryReader reader{file};
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    png_set_read_fn(png, &reader, ReadPng);
    png_read_info(png, info);
    const std::size_t stride = png_get_rowbytes(png, info);
    const png_uint_32 height = png_get_image_height(png, info);
    std::vector<std::uint8_t> pixels(stride * height);
    for (png_uint_32 y = 0; y < height; ++y)
        png_read_row(png, pixels.data() + y * stride, nullptr);
    png_read_end(png, nullptr);
    png_destroy_read_struct(&png, &info, nullptr);
    return pixels;
}

std::vector<std::uint8_t> PlainGifRead(std::span<const std::uint8_t> file)
{
    MemoryReader reader{file};
    int error = 0;
    GifFileType* gif = DGifOpen(&reader, ReadGif, &error);
    std::vector<std::uint8_t> pixels;
    GifRecordType record = UNDEFINED_RECORD_TYPE;
    while (DGifGetRecordType(gif, &record) == GIF_OK && record != TERMINATE_RECORD_TYPE) {
        if (record == EXTENSION_RECORD_TYPE) {
            int code = 0;
            GifByteType* block = nullptr;
            DGifGetExtension(gif, &code, &block);
            while (block != nullptr)
                DGifGetExtensionNext(gif, &block);
            continue;
        }
        DGifGetImageDesc(gif);
        const int width = gif->Image.Width;
        const int height = gif->Image.Height;
        pixels.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
        for (int y = 0; y < height; ++y)
            DGifGetLine(gif, pixels.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width), width);
        break;
    }
    DGifCloseFile(gif, &error);
    return pixels;
}

std::unique_ptr<std::uint8_t, void (*)(void*)> PlainWebpDecode(std::span<const std::uint8_t> file)
{
    int width = 0;
    int height = 0;
    return {WebPDecodeRGB(file.data(), file.size(), &width, &height), WebPFree};
}

std::uint8_t PlainHeifDecode(std::span<const std::uint8_t> file)
{
    heif_context* context = heif_context_alloc();
    heif_context_read_from_memory_without_copy(context, file.data(), file.size(), nullptr);
    heif_image_handle* handle = nullptr;
    heif_context_get_primary_image_handle(context, &handle);
    heif_image* image = nullptr;
    heif_decode_image(handle, &image, heif_colorspace_RGB, heif_chroma_interleaved_RGB, nullptr);
    int stride = 0;
    const std::uint8_t first = image ? *heif_image_get_plane_readonly(image, heif_channel_interleaved, &stride) : 0;
    heif_image_release(image);
    heif_image_handle_release(handle);
    heif_context_free(context);
    return first;
}

std::vector<std::uint8_t> PlainJxlDecode(std::span<const std::uint8_t> file)
{
    std::vector<std::uint8_t> pixels;
    JxlDecoder* decoder = JxlDecoderCreate(nullptr);
    JxlDecoderSubscribeEvents(decoder, JXL_DEC_FULL_IMAGE);
    JxlDecoderSetInput(decoder, file.data(), file.size());
    JxlDecoderCloseInput(decoder);
    const JxlPixelFormat format{3, JXL_TYPE_UINT8, JXL_NATIVE_ENDIAN, 0};
    for (;;) {
        const JxlDecoderStatus status = JxlDecoderProcessInput(decoder);
        if (status != JXL_DEC_NEED_IMAGE_OUT_BUFFER)
            break;
        std::size_t size = 0;
        JxlDecoderImageOutBufferSize(decoder, &format, &size);
        pixels.resize(size);
        JxlDecoderSetImageOutBuffer(decoder, &format, pixels.data(), size);
    }
    JxlDecoderDestroy(decoder);
    return pixels;
}

}  // namespace picdec::bench
