#include "picdec/Status.h"

#include <algorithm>
#include <array>

namespace picdec {

namespace {

constexpr std::array kMessages{
    FailureMessage{Status::CannotOpenFile, "The picture file cannot be opened."},
    FailureMessage{Status::CannotReadFile, "The picture file cannot be read."},
    FailureMessage{Status::UnknownFormat, "The file is not a picture in a known format."},
    FailureMessage{Status::WrongFormat, "The file holds a picture of another format."},
    FailureMessage{Status::UnsupportedVariant, "The picture uses a variant of its format that cannot be read."},
    FailureMessage{Status::CorruptData, "The picture file is damaged."},
    FailureMessage{Status::TruncatedData, "The picture file ends before the picture is complete."},
    FailureMessage{Status::BitmapTooLarge, "The picture needs more than 512 MiB of memory."},
    FailureMessage{Status::DimensionTooLarge, "The picture is wider or higher than 65,535 pixels."},
    FailureMessage{Status::EmptyPicture, "The picture has no pixels."},
    FailureMessage{Status::OutOfMemory, "There is not enough memory for the picture."},
    FailureMessage{Status::BadResolutionCode, "The colour depth asked for is not 0, 1, 4, 8 or 24 bits."},
    FailureMessage{Status::CannotCreateBitmap, "The bitmap for the picture cannot be created."},
    FailureMessage{Status::DecoderMissing, "LIBHEIF.DLL or LIBDE265.DLL, which read HEIF and AVIF pictures, is missing."},
};

}  // namespace

std::span<const FailureMessage> FailureMessages() { return kMessages; }

std::string_view MessageOf(Status status)
{
    const auto found = std::find_if(kMessages.begin(), kMessages.end(),
                                    [status](const FailureMessage& m) { return m.status == status; });
    return found == kMessages.end() ? std::string_view{} : found->text;
}

}  // namespace picdec
