#pragma once
// One libjpeg decompressor reading from memory. libjpeg reports fatal errors
// by calling error_exit, which jumps back to the setjmp in the functions of
// JpegCodec.cpp; those frames hold no objects with destructors, and this
// session object, which owns everything libjpeg allocated, lives outside them.

#include <csetjmp>
#include <cstddef>
#include <cstdio>

#include <jpeglib.h>
#include <jerror.h>

#include "picdec/formats/Codec.h"

namespace picdec {

struct JpegErrorManager {
    jpeg_error_mgr base{};
    std::jmp_buf jump{};
    Status fatal = Status::CorruptData;
    Status warning = Status::Ok;

    // A fatal error after the data ran out is the truncation's fault.
    Status FatalStatus() const { return warning == Status::TruncatedData ? warning : fatal; }
};

struct JpegProgress {
    jpeg_progress_mgr base{};
    j_decompress_ptr owner = nullptr;
};

class JpegSession {
public:
    explicit JpegSession(Bytes file);
    ~JpegSession();
    JpegSession(const JpegSession&) = delete;
    JpegSession& operator=(const JpegSession&) = delete;

    jpeg_decompress_struct& Decompressor() { return decompressor_; }
    JpegErrorManager& Errors() { return errors_; }

private:
    jpeg_decompress_struct decompressor_{};
    JpegErrorManager errors_{};
    JpegProgress progress_{};
    jpeg_source_mgr source_{};
};

}  // namespace picdec
