#include "picdec/ReadPicture.h"

#include <new>
#include <stdexcept>

#include "picdec/ConvertDepth.h"
#include "picdec/MemoryBitmap.h"
#include "picdec/colour/DisplayColours.h"

namespace picdec {

namespace {

Status FindCodec(Bytes file, PictureFormat expected, const Codec*& codec)
{
    const PictureFormat format = DetectFormat(file);
    if (format == PictureFormat::Unknown)
        return file.empty() ? Status::TruncatedData : Status::UnknownFormat;
    if (expected != PictureFormat::Unknown && format != expected)
        return Status::WrongFormat;
    codec = CodecFor(format);
    return Status::Ok;
}

bool DecodesDirectly(const PictureInfo& info, int resolution, int outputBits)
{
    if (outputBits != info.nativeBitsPerPixel)
        return false;
    return outputBits == 24 || resolution == 0 || info.palette.size() <= (std::size_t{1} << outputBits);
}

// Decodes in the file's colours, then turns them into the display's.
Status DecodeInDisplayColours(Bytes file, const Codec& codec, const PictureInfo& info, const ReadRequest& request,
                              const DibView& target)
{
    const Status status = codec.decode(file, info, target);
    ConvertToDisplayColours(target, info.colour, request.displayProfile);
    return status;
}

Status DecodeDirect(Bytes file, const Codec& codec, const PictureInfo& info, const ReadRequest& request,
                    BitmapSink& sink)
{
    const DibView target = sink.CreateBitmap(info.width, info.height, info.nativeBitsPerPixel, info.palette);
    if (target.bits == nullptr)
        return Status::CannotCreateBitmap;
    return DecodeInDisplayColours(file, codec, info, request, target);
}

Status DecodeAndConvert(Bytes file, const Codec& codec, const PictureInfo& info, const ReadRequest& request,
                        int outputBits, BitmapSink& sink)
{
    if (const Status fits = CheckBitmapShape(info.width, info.height, outputBits, request.limits); fits != Status::Ok)
        return fits;
    MemoryBitmap decoded;
    const DibView picture = decoded.CreateBitmap(info.width, info.height, info.nativeBitsPerPixel, info.palette);
    if (picture.bits == nullptr)
        return Status::OutOfMemory;
    const Status decodeStatus = DecodeInDisplayColours(file, codec, info, request, picture);
    const Status convertStatus = ConvertDepth(picture, info.palette, outputBits, request.dither, sink);
    return decodeStatus != Status::Ok ? decodeStatus : convertStatus;
}

Status Read(Bytes file, const ReadRequest& request, BitmapSink& sink)
{
    PictureInfo info;
    if (const Status status = ReadPictureInfo(file, info, request.expected); status != Status::Ok)
        return status;
    const int outputBits = OutputDepth(info.nativeBitsPerPixel, request.resolution);
    if (outputBits == 0)
        return Status::BadResolutionCode;
    const Status fits = CheckBitmapShape(info.width, info.height, info.nativeBitsPerPixel, request.limits);
    if (fits != Status::Ok)
        return fits;
    ConvertPaletteToDisplayColours(info.palette, info.colour, request.displayProfile);
    const Codec& codec = *CodecFor(info.format);
    if (DecodesDirectly(info, request.resolution, outputBits))
        return DecodeDirect(file, codec, info, request, sink);
    return DecodeAndConvert(file, codec, info, request, outputBits, sink);
}

}  // namespace

int OutputDepth(int nativeBitsPerPixel, int resolution)
{
    switch (resolution) {
    case 0: return nativeBitsPerPixel;
    case 1:
    case 4:
    case 8:
    case 24: return resolution;
    default: return 0;
    }
}

Status ReadPictureInfo(Bytes file, PictureInfo& info, PictureFormat expected)
{
    const Codec* codec = nullptr;
    if (const Status status = FindCodec(file, expected, codec); status != Status::Ok)
        return status;
    try {
        return codec->readInfo(file, info);
    } catch (const std::bad_alloc&) {
        return Status::OutOfMemory;
    }
}

Status ReadPicture(Bytes file, const ReadRequest& request, BitmapSink& sink)
{
    try {
        return Read(file, request, sink);
    } catch (const std::bad_alloc&) {
        return Status::OutOfMemory;
    } catch (const std::length_error&) {
        // A buffer larger than a container can hold (past 2 GiB in a 32-bit build).
        return Status::OutOfMemory;
    }
}

}  // namespace picdec
