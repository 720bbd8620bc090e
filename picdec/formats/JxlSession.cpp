#include "picdec/formats/JxlSession.h"

#include "picdec/CheckedSize.h"
#include "picdec/Orientation.h"

namespace picdec {

namespace {

// Input ending early asks for more, which a whole file held in memory cannot give.
Status StatusOf(JxlDecoderStatus status)
{
    return status == JXL_DEC_NEED_MORE_INPUT ? Status::TruncatedData : Status::CorruptData;
}

}  // namespace

Status JxlSession::Open(Bytes file)
{
    decoder_.reset(JxlDecoderCreate(nullptr));
    if (!decoder_)
        return Status::OutOfMemory;
    JxlDecoder* decoder = decoder_.get();
    if (JxlDecoderSubscribeEvents(decoder, JXL_DEC_BASIC_INFO | JXL_DEC_COLOR_ENCODING | JXL_DEC_FULL_IMAGE) !=
            JXL_DEC_SUCCESS ||
        JxlDecoderSetInput(decoder, file.data(), file.size()) != JXL_DEC_SUCCESS)
        return Status::CorruptData;
    JxlDecoderCloseInput(decoder);
    const JxlDecoderStatus status = JxlDecoderProcessInput(decoder);
    if (status != JXL_DEC_BASIC_INFO)
        return StatusOf(status);
    if (JxlDecoderGetBasicInfo(decoder, &info_) != JXL_DEC_SUCCESS)
        return Status::CorruptData;
    if (JxlDecoderProcessInput(decoder) == JXL_DEC_COLOR_ENCODING)
        ReadProfile();
    return Status::Ok;
}

// The profile of the samples as they are handed out (libjxl turns its own
// XYB colours into the file's original ones).
void JxlSession::ReadProfile()
{
    std::size_t size = 0;
    if (JxlDecoderGetICCProfileSize(decoder_.get(), nullptr, JXL_COLOR_PROFILE_TARGET_DATA, &size) !=
            JXL_DEC_SUCCESS ||
        size > kMaxIccProfileBytes)
        return;
    IccProfile profile(size);
    if (JxlDecoderGetColorAsICCProfile(decoder_.get(), nullptr, JXL_COLOR_PROFILE_TARGET_DATA, profile.data(),
                                       profile.size()) == JXL_DEC_SUCCESS &&
        IsWholeIccProfile(profile))
        profile_ = std::move(profile);
}

std::uint32_t JxlSession::ShownWidth() const { return SwapsAxes(info_.orientation) ? info_.ysize : info_.xsize; }

std::uint32_t JxlSession::ShownHeight() const { return SwapsAxes(info_.orientation) ? info_.xsize : info_.ysize; }

Status JxlSession::DecodeFirstFrame(const JxlPixelFormat& format, std::vector<std::uint8_t>& pixels)
{
    const CheckedSize size = CheckedSize(ShownWidth()) * ShownHeight() *
                             (format.num_channels * (format.data_type == JXL_TYPE_UINT16 ? 2u : 1u));
    if (size.Overflowed())
        return Status::CorruptData;
    pixels.resize(static_cast<std::size_t>(size.Value()));
    return DecodeFirstFrame(format, pixels.data(), pixels.size());
}

Status JxlSession::DecodeFirstFrame(const JxlPixelFormat& format, std::uint8_t* pixels, std::size_t size)
{
    JxlDecoder* decoder = decoder_.get();
    for (;;) {
        const JxlDecoderStatus status = JxlDecoderProcessInput(decoder);
        if (status == JXL_DEC_FULL_IMAGE)
            return Status::Ok;
        if (status != JXL_DEC_NEED_IMAGE_OUT_BUFFER)
            return StatusOf(status);
        std::size_t wanted = 0;
        if (JxlDecoderImageOutBufferSize(decoder, &format, &wanted) != JXL_DEC_SUCCESS || wanted != size ||
            JxlDecoderSetImageOutBuffer(decoder, &format, pixels, size) != JXL_DEC_SUCCESS)
            return Status::CorruptData;
    }
}

}  // namespace picdec
