#include "picdec/formats/JpegCodec.h"

#include <algorithm>
#include <string>

#include "picdec/ClearRows.h"
#include "picdec/Orientation.h"
#include "picdec/formats/ExifOrientation.h"
#include "picdec/formats/JpegIccProfile.h"
#include "picdec/formats/JpegSession.h"

namespace picdec {

namespace {

bool IsGrey(const jpeg_decompress_struct& jpeg) { return jpeg.jpeg_color_space == JCS_GRAYSCALE; }

bool IsInk(const jpeg_decompress_struct& jpeg)
{
    return jpeg.jpeg_color_space == JCS_CMYK || jpeg.jpeg_color_space == JCS_YCCK;
}

const char* Subsampling(const jpeg_decompress_struct& jpeg)
{
    if (jpeg.num_components < 3)
        return "grey";
    const jpeg_component_info& luma = jpeg.comp_info[0];
    if (luma.h_samp_factor == 2 && luma.v_samp_factor == 2)
        return "4:2:0";
    if (luma.h_samp_factor == 2 && luma.v_samp_factor == 1)
        return "4:2:2";
    if (luma.h_samp_factor == 1 && luma.v_samp_factor == 1)
        return "4:4:4";
    return "other sampling";
}

void FillInfo(const jpeg_decompress_struct& jpeg, int orientation, PictureInfo& info)
{
    info.format = PictureFormat::Jpeg;
    const bool swapped = SwapsAxes(orientation);
    info.width = swapped ? jpeg.image_height : jpeg.image_width;
    info.height = swapped ? jpeg.image_width : jpeg.image_height;
    if (jpeg.num_components == 1)
        SetIndexedDepth(info, 1, 8);
    else
        SetColourDepth(info, jpeg.num_components == 4);
    info.paletteSize = 0;
    const std::string kind = jpeg.progressive_mode ? "Progressive" : "Baseline";
    info.description = ShortDescription(kind + " " + (IsInk(jpeg) ? "CMYK" : Subsampling(jpeg)));
    info.nativeBitsPerPixel = IsGrey(jpeg) ? 8 : 24;
    info.palette = IsGrey(jpeg) ? GreyPalette(8) : Palette{};
}

// Adobe's programs write CMYK inverted and say so with their APP14 marker,
// which nearly every CMYK JPEG carries; without it the inks are stored as
// they are. Browsers read them by this rule too.
void InkToBgr(const JSAMPLE* ink, JDIMENSION width, bool inverted, std::uint8_t* bgr)
{
    const unsigned flip = inverted ? 0 : 255;
    for (JDIMENSION x = 0; x < width; ++x) {
        const unsigned k = ink[x * 4 + 3] ^ flip;
        bgr[x * 3] = static_cast<std::uint8_t>(((ink[x * 4 + 2] ^ flip) * k + 127) / 255);
        bgr[x * 3 + 1] = static_cast<std::uint8_t>(((ink[x * 4 + 1] ^ flip) * k + 127) / 255);
        bgr[x * 3 + 2] = static_cast<std::uint8_t>(((ink[x * 4] ^ flip) * k + 127) / 255);
    }
}

Status ReadHeaderInto(JpegSession& session, int orientation, PictureInfo& info)
{
    jpeg_decompress_struct& jpeg = session.Decompressor();
    if (setjmp(session.Errors().jump))
        return session.Errors().FatalStatus();
    jpeg_read_header(&jpeg, TRUE);
    FillInfo(jpeg, orientation, info);
    return Status::Ok;
}

// Straight into the bitmap's rows: libjpeg writes blue-green-red itself.
Status ReadRowsDirect(jpeg_decompress_struct& jpeg, const DibView& target)
{
    JSAMPROW rows[16];
    while (jpeg.output_scanline < jpeg.output_height) {
        const auto count = static_cast<JDIMENSION>(std::min(16, jpeg.rec_outbuf_height));
        const JDIMENSION first = jpeg.output_scanline;
        for (JDIMENSION i = 0; i < count; ++i)
            rows[i] = target.Row(std::min(first + i, jpeg.output_height - 1));
        if (jpeg_read_scanlines(&jpeg, rows, count) == 0)
            return Status::TruncatedData;
    }
    return Status::Ok;
}

Status ReadInkRows(jpeg_decompress_struct& jpeg, const DibView& target, JSAMPLE* ink)
{
    while (jpeg.output_scanline < jpeg.output_height) {
        const JDIMENSION y = jpeg.output_scanline;
        JSAMPROW row = ink;
        if (jpeg_read_scanlines(&jpeg, &row, 1) == 0)
            return Status::TruncatedData;
        InkToBgr(ink, jpeg.output_width, jpeg.saw_Adobe_marker != FALSE, target.Row(y));
    }
    return Status::Ok;
}

// Decodes the picture as stored into a target of the stored shape.
Status RunDecode(JpegSession& session, const DibView& target)
{
    jpeg_decompress_struct& jpeg = session.Decompressor();
    if (setjmp(session.Errors().jump))
        return session.Errors().FatalStatus();
    jpeg_read_header(&jpeg, TRUE);
    if (jpeg.image_width != target.width || jpeg.image_height != target.height)
        return Status::CorruptData;
    jpeg.out_color_space = IsGrey(jpeg) ? JCS_GRAYSCALE : IsInk(jpeg) ? JCS_CMYK : JCS_EXT_BGR;
    jpeg_start_decompress(&jpeg);
    Status rows = Status::Ok;
    if (IsInk(jpeg)) {
        // Pool memory, freed with the session: nothing here may need a destructor.
        JSAMPARRAY ink = (*jpeg.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&jpeg), JPOOL_IMAGE,
                                                   jpeg.output_width * 4, 1);
        rows = ReadInkRows(jpeg, target, ink[0]);
    } else {
        rows = ReadRowsDirect(jpeg, target);
    }
    if (rows != Status::Ok)
        return rows;
    jpeg_abort_decompress(&jpeg);
    return session.Errors().warning;
}

}  // namespace

Status ReadJpegInfo(Bytes file, PictureInfo& info)
{
    JpegSession session(file);
    const Status status = ReadHeaderInto(session, JpegExifOrientation(file), info);
    if (status == Status::Ok && session.Decompressor().num_components == 3)
        info.colour.icc = JpegIccProfile(file);
    return status;
}

Status DecodeJpeg(Bytes file, const PictureInfo& info, const DibView& target)
{
    if (target.bitsPerPixel != info.nativeBitsPerPixel)
        return Status::CorruptData;
    return DecodeUpright(JpegExifOrientation(file), target, [file](const DibView& stored) {
        JpegSession session(file);
        const Status status = RunDecode(session, stored);
        if (status != Status::Ok)
            ClearRowsFrom(stored, session.Decompressor().output_scanline);
        return status;
    });
}

}  // namespace picdec
