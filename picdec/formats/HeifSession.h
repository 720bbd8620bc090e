#pragma once
// One libheif reading of a file held in memory: the file's structure and its
// primary picture, each released by its owner.

#include <memory>

#include "picdec/colour/ColourSource.h"
#include "picdec/formats/Codec.h"
#include "picdec/formats/HeifApi.h"

namespace picdec {

struct HeifContextRelease {
    void operator()(heif_context* context) const;
};
struct HeifHandleRelease {
    void operator()(const heif_image_handle* handle) const;
};
struct HeifImageRelease {
    void operator()(const heif_image* image) const;
};
using HeifImage = std::unique_ptr<const heif_image, HeifImageRelease>;

class HeifSession {
public:
    // Reads the structure and finds the primary picture.
    Status Open(Bytes file);

    const HeifApi& Api() const { return *api_; }
    const heif_image_handle* Primary() const { return primary_.get(); }
    // The primary picture's colours: its embedded ICC profile (if whole),
    // else its nclx primaries and transfer, else sRGB.
    ColourSource Colours() const;

    // The primary picture decoded to interleaved red-green-blue(-alpha),
    // 8 bits per sample or, for deeper ones, 16-bit little-endian numbers.
    Status Decode(bool alpha, bool deep, HeifImage& image) const;

private:
    const HeifApi* api_ = nullptr;
    std::unique_ptr<heif_context, HeifContextRelease> context_;
    std::unique_ptr<const heif_image_handle, HeifHandleRelease> primary_;
};

// The decode core's status for one of libheif's.
Status StatusOfHeif(const heif_error& error);

}  // namespace picdec
