#include "picdec/formats/HeifSession.h"

#include "picdec/colour/CodePoints.h"

namespace picdec {

void HeifContextRelease::operator()(heif_context* context) const { HeifLibrary()->contextFree(context); }

void HeifHandleRelease::operator()(const heif_image_handle* handle) const { HeifLibrary()->handleRelease(handle); }

void HeifImageRelease::operator()(const heif_image* image) const { HeifLibrary()->imageRelease(image); }

Status StatusOfHeif(const heif_error& error)
{
    switch (error.code) {
    case heif_error_Ok: return Status::Ok;
    case heif_error_Invalid_input:
        return error.subcode == heif_suberror_End_of_data ? Status::TruncatedData : Status::CorruptData;
    case heif_error_Unsupported_filetype:
    case heif_error_Unsupported_feature: return Status::UnsupportedVariant;
    case heif_error_Memory_allocation_error:
        return error.subcode == heif_suberror_Security_limit_exceeded ? Status::BitmapTooLarge : Status::OutOfMemory;
    default: return Status::CorruptData;
    }
}

Status HeifSession::Open(Bytes file)
{
    api_ = HeifLibrary();
    if (!api_)
        return Status::DecoderMissing;
    context_.reset(api_->contextAlloc());
    if (!context_)
        return Status::OutOfMemory;
    const Status read = StatusOfHeif(api_->readFromMemory(context_.get(), file.data(), file.size(), nullptr));
    if (read != Status::Ok)
        return read;
    heif_image_handle* primary = nullptr;
    const Status found = StatusOfHeif(api_->primaryImageHandle(context_.get(), &primary));
    primary_.reset(primary);
    return found;
}

ColourSource HeifSession::Colours() const
{
    ColourSource colours;
    const std::size_t size = api_->handleIccSize(primary_.get());
    if (size > 0 && size <= kMaxIccProfileBytes) {
        IccProfile profile(size);
        if (api_->handleIcc(primary_.get(), profile.data()).code == heif_error_Ok && IsWholeIccProfile(profile)) {
            colours.icc = std::move(profile);
            return colours;
        }
    }
    // libheif may hand out the property together with an error (for code
    // points it does not know): it is released either way.
    heif_color_profile_nclx* nclx = nullptr;
    const bool read = api_->handleNclx(primary_.get(), &nclx).code == heif_error_Ok && nclx;
    if (read)
        colours = ColoursOfCodePoints(nclx->color_primaries, nclx->transfer_characteristics);
    if (nclx)
        api_->nclxFree(nclx);
    return colours;
}

Status HeifSession::Decode(bool alpha, bool deep, HeifImage& image) const
{
    static constexpr heif_chroma kChroma[2][2] = {
        {heif_chroma_interleaved_RGB, heif_chroma_interleaved_RGBA},
        {heif_chroma_interleaved_RRGGBB_LE, heif_chroma_interleaved_RRGGBBAA_LE},
    };
    heif_image* decoded = nullptr;
    const heif_error error =
        api_->decodeImage(primary_.get(), &decoded, heif_colorspace_RGB, kChroma[deep][alpha], nullptr);
    image.reset(decoded);
    return StatusOfHeif(error);
}

}  // namespace picdec
