#include "picdec/formats/WebpSession.h"

namespace picdec {

namespace {

// Owns the decoder; the configuration it refers to outlives it.
class IncrementalDecoder {
public:
    explicit IncrementalDecoder(WebPDecoderConfig& config) : decoder_(WebPIDecode(nullptr, 0, &config)) {}
    ~IncrementalDecoder()
    {
        if (decoder_ != nullptr)
            WebPIDelete(decoder_);
    }
    IncrementalDecoder(const IncrementalDecoder&) = delete;
    IncrementalDecoder& operator=(const IncrementalDecoder&) = delete;

    bool Valid() const { return decoder_ != nullptr; }

    // Maps the bytes in place; nothing is copied.
    VP8StatusCode Update(Bytes file) { return WebPIUpdate(decoder_, file.data(), file.size()); }

    std::uint32_t RowsDone() const
    {
        int rows = 0;
        WebPIDecodedArea(decoder_, nullptr, nullptr, nullptr, &rows);
        return rows > 0 ? static_cast<std::uint32_t>(rows) : 0;
    }

private:
    WebPIDecoder* decoder_;
};

}  // namespace

Status StatusOfWebp(VP8StatusCode code)
{
    switch (code) {
    case VP8_STATUS_OK: return Status::Ok;
    case VP8_STATUS_OUT_OF_MEMORY: return Status::OutOfMemory;
    case VP8_STATUS_UNSUPPORTED_FEATURE: return Status::UnsupportedVariant;
    case VP8_STATUS_SUSPENDED:
    case VP8_STATUS_NOT_ENOUGH_DATA: return Status::TruncatedData;
    case VP8_STATUS_INVALID_PARAM:
    case VP8_STATUS_BITSTREAM_ERROR:
    case VP8_STATUS_USER_ABORT: break;
    }
    return Status::CorruptData;
}

WebpResult RunWebpDecode(Bytes file, const WebpOutput& output)
{
    WebPDecoderConfig config;
    if (!WebPInitDecoderConfig(&config))
        return {Status::UnsupportedVariant, 0};
    config.output.colorspace = output.mode;
    config.output.is_external_memory = 1;
    config.output.u.RGBA.rgba = output.pixels;
    config.output.u.RGBA.stride = output.stride;
    config.output.u.RGBA.size = output.size;
    config.options.flip = output.bottomUp ? 1 : 0;
    WebpResult result;
    {
        IncrementalDecoder decoder(config);
        if (!decoder.Valid())
            return {Status::OutOfMemory, 0};
        result.status = StatusOfWebp(decoder.Update(file));
        result.rowsDone = decoder.RowsDone();
    }
    WebPFreeDecBuffer(&config.output);
    return result;
}

}  // namespace picdec
