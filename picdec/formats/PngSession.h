#pragma once
// One libpng reader over bytes in memory. libpng's error callback jumps back
// to the setjmp in the functions of PngCodec.cpp, whose frames hold no
// objects with destructors; this object owns the libpng structures.

#include <csetjmp>
#include <cstddef>

#include <png.h>

#include "picdec/formats/Codec.h"

namespace picdec {

struct PngReadState {
    Bytes file;
    std::size_t at = 0;
    bool truncated = false;
    std::jmp_buf jump{};

    Status FatalStatus() const { return truncated ? Status::TruncatedData : Status::CorruptData; }
};

class PngSession {
public:
    explicit PngSession(Bytes file);
    ~PngSession();
    PngSession(const PngSession&) = delete;
    PngSession& operator=(const PngSession&) = delete;

    bool Valid() const { return png_ != nullptr && info_ != nullptr; }
    png_structp Png() const { return png_; }
    png_infop Info() const { return info_; }
    PngReadState& State() { return state_; }

private:
    PngReadState state_;
    png_structp png_ = nullptr;
    png_infop info_ = nullptr;
};

}  // namespace picdec
