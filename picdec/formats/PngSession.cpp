#include "picdec/formats/PngSession.h"

#include <cstring>

namespace picdec {

namespace {

PngReadState& StateOf(png_structp png) { return *static_cast<PngReadState*>(png_get_error_ptr(png)); }

[[noreturn]] void OnError(png_structp png, png_const_charp)
{
    std::longjmp(StateOf(png).jump, 1);
}

void OnWarning(png_structp, png_const_charp) {}

void ReadBytes(png_structp png, png_bytep out, std::size_t count)
{
    auto& state = *static_cast<PngReadState*>(png_get_io_ptr(png));
    if (state.file.size() - state.at < count) {
        state.truncated = true;
        png_error(png, "file ends early");
    }
    std::memcpy(out, state.file.data() + state.at, count);
    state.at += count;
}

}  // namespace

PngSession::PngSession(Bytes file)
{
    state_.file = file;
    png_ = png_create_read_struct(PNG_LIBPNG_VER_STRING, &state_, OnError, OnWarning);
    if (png_ == nullptr)
        return;
    info_ = png_create_info_struct(png_);
    png_set_read_fn(png_, &state_, ReadBytes);
    // Our own limits apply; libpng's default of a million pixels a side would
    // only give a less clear failure.
    png_set_user_limits(png_, 0x7FFFFFFF, 0x7FFFFFFF);
#ifdef FUZZING_BUILD_MODE_UNSAFE_FOR_PRODUCTION
    // Mutated files almost never keep valid checksums.
    png_set_crc_action(png_, PNG_CRC_QUIET_USE, PNG_CRC_QUIET_USE);
#endif
}

PngSession::~PngSession()
{
    if (png_ != nullptr)
        png_destroy_read_struct(&png_, info_ != nullptr ? &info_ : nullptr, nullptr);
}

}  // namespace picdec
