#include "picdec/formats/Codec.h"

#include <array>

#include "picdec/formats/BmpCodec.h"
#include "picdec/formats/GifCodec.h"
#include "picdec/formats/HeifCodec.h"
#include "picdec/formats/JpegCodec.h"
#include "picdec/formats/JxlCodec.h"
#include "picdec/formats/PcxCodec.h"
#include "picdec/formats/PngCodec.h"
#include "picdec/formats/TiffCodec.h"
#include "picdec/formats/WebpCodec.h"

namespace picdec {

const Codec* CodecFor(PictureFormat format)
{
    static constexpr std::array<Codec, 10> codecs{{
        {PictureFormat::Jpeg, ReadJpegInfo, DecodeJpeg},
        {PictureFormat::Png, ReadPngInfo, DecodePng},
        {PictureFormat::Gif, ReadGifInfo, DecodeGif},
        {PictureFormat::Tiff, ReadTiffInfo, DecodeTiff},
        {PictureFormat::Bmp, ReadBmpInfo, DecodeBmp},
        {PictureFormat::Pcx, ReadPcxInfo, DecodePcx},
        {PictureFormat::Webp, ReadWebpInfo, DecodeWebp},
        {PictureFormat::Heif, ReadHeifInfo, DecodeHeif},
        {PictureFormat::Avif, ReadHeifInfo, DecodeHeif},
        {PictureFormat::Jxl, ReadJxlInfo, DecodeJxl},
    }};
    for (const Codec& codec : codecs) {
        if (codec.format == format)
            return &codec;
    }
    return nullptr;
}

}  // namespace picdec
