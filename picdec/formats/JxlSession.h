#pragma once
// One libjxl reading of a file held in memory: its basic information, then
// the first frame as interleaved red-green-blue(-alpha) samples.

#include <memory>
#include <vector>

#include <jxl/decode.h>

#include "picdec/colour/IccProfile.h"
#include "picdec/formats/Codec.h"

namespace picdec {

struct JxlDecoderRelease {
    void operator()(JxlDecoder* decoder) const { JxlDecoderDestroy(decoder); }
};

class JxlSession {
public:
    // Reads the basic information and the colours the samples will be in.
    Status Open(Bytes file);
    const JxlBasicInfo& Info() const { return info_; }
    // The samples' colours as an ICC profile; empty if the file's is damaged.
    const IccProfile& Profile() const { return profile_; }
    // The shape shown: rows and columns exchanged for orientations 5 to 8.
    std::uint32_t ShownWidth() const;
    std::uint32_t ShownHeight() const;

    // Decodes the first frame into pixels, laid out as format says.
    Status DecodeFirstFrame(const JxlPixelFormat& format, std::vector<std::uint8_t>& pixels);
    // The same into memory of exactly the size the frame takes.
    Status DecodeFirstFrame(const JxlPixelFormat& format, std::uint8_t* pixels, std::size_t size);

private:
    void ReadProfile();

    std::unique_ptr<JxlDecoder, JxlDecoderRelease> decoder_;
    JxlBasicInfo info_{};
    IccProfile profile_;
};

}  // namespace picdec
