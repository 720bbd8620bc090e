#include "picdec/formats/JpegCodec.h"

#include <algorithm>
#include <optional>
#include <string>

#include "picdec/ClearRows.h"
#include "picdec/Orientation.h"
#include "picdec/colour/InkColours.h"
#include "picdec/colour/RowBands.h"
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

// Rows of inks are read in bands, each turned into colours on every core.
constexpr JDIMENSION kInkBandRows = 64;

void ShowInkBand(const InkColours& colours, JSAMPARRAY inks, JDIMENSION first, JDIMENSION rows, const DibView& target)
{
    InRowBands(rows, 16, [&](std::uint32_t from, std::uint32_t count) {
        for (std::uint32_t i = from; i < from + count; ++i)
            colours.ConvertRow(inks[i], target.width, target.Row(first + i));
    });
}

Status ReadInkRows(jpeg_decompress_struct& jpeg, const InkColours& colours, const DibView& target, JSAMPARRAY inks)
{
    while (jpeg.output_scanline < jpeg.output_height) {
        const JDIMENSION first = jpeg.output_scanline;
        const JDIMENSION wanted = std::min(kInkBandRows, jpeg.output_height - first);
        JDIMENSION read = 0;
        while (read < wanted) {
            const JDIMENSION got = jpeg_read_scanlines(&jpeg, inks + read, wanted - read);
            if (got == 0)
                break;
            read += got;
        }
        ShowInkBand(colours, inks, first, read, target);
        if (read < wanted)
            return Status::TruncatedData;
    }
    return Status::Ok;
}

// Adobe's programs write CMYK inverted and say so with their APP14 marker,
// which nearly every CMYK JPEG carries; without it the inks are stored as
// they are. Browsers read them by this rule too.
bool InvertedInks(const jpeg_decompress_struct& jpeg) { return jpeg.saw_Adobe_marker != FALSE; }

struct InkHeader {
    bool inks = false;
    bool inverted = false;
};

InkHeader ReadInkHeader(JpegSession& session)
{
    jpeg_decompress_struct& jpeg = session.Decompressor();
    if (setjmp(session.Errors().jump))
        return {};
    jpeg_read_header(&jpeg, TRUE);
    return {IsInk(jpeg), InvertedInks(jpeg)};
}

// Made before the decode, as nothing in it may need a destructor: the
// inks' colours, when the picture is of inks.
std::optional<InkColours> InkColoursOf(Bytes file)
{
    JpegSession session(file);
    const InkHeader header = ReadInkHeader(session);
    if (!header.inks)
        return std::nullopt;
    return std::optional<InkColours>(std::in_place, JpegIccProfile(file), header.inverted);
}

// Decodes the picture as stored into a target of the stored shape.
Status RunDecode(JpegSession& session, const InkColours* inkColours, const DibView& target)
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
        if (!inkColours)
            return Status::CorruptData;
        // Pool memory, freed with the session: nothing here may need a destructor.
        JSAMPARRAY inks = (*jpeg.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&jpeg), JPOOL_IMAGE,
                                                    jpeg.output_width * 4, kInkBandRows);
        rows = ReadInkRows(jpeg, *inkColours, target, inks);
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
    if (status != Status::Ok)
        return status;
    if (IsInk(session.Decompressor()))
        info.colour = InkPictureColours();
    else
        info.colour.icc = JpegIccProfile(file);
    return status;
}

Status DecodeJpeg(Bytes file, const PictureInfo& info, const DibView& target)
{
    if (target.bitsPerPixel != info.nativeBitsPerPixel)
        return Status::CorruptData;
    const std::optional<InkColours> inkColours = InkColoursOf(file);
    return DecodeUpright(JpegExifOrientation(file), target, [file, &inkColours](const DibView& stored) {
        JpegSession session(file);
        const Status status = RunDecode(session, inkColours ? &*inkColours : nullptr, stored);
        if (status != Status::Ok)
            ClearRowsFrom(stored, session.Decompressor().output_scanline);
        return status;
    });
}

}  // namespace picdec
