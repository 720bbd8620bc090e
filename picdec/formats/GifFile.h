#pragma once
// A giflib decoder over bytes in memory, positioned at the first frame.

#include <cstddef>
#include <memory>

#include <gif_lib.h>

#include "picdec/Palette.h"
#include "picdec/formats/Codec.h"
#include "picdec/formats/GifLzw.h"

namespace picdec {

struct GifFrame {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool interlaced = false;
    int transparentIndex = -1;
    int colourBits = 8;
    std::size_t fileColourCount = 0;
    Palette palette;
};

class GifFile {
public:
    explicit GifFile(Bytes file);
    ~GifFile();
    GifFile(const GifFile&) = delete;
    GifFile& operator=(const GifFile&) = delete;

    // Reads up to the first frame's pixel data.
    Status OpenFirstFrame(GifFrame& frame);
    Status ReadLine(std::uint8_t* line, int width);

    std::uint32_t CanvasWidth(const GifFrame& frame) const;
    std::uint32_t CanvasHeight(const GifFrame& frame) const;
    int BackgroundIndex() const { return gif_ != nullptr ? gif_->SBackGroundColor : 0; }
    bool IsVersion89() const { return version89_; }

private:
    Status LastError() const;
    Status ReadExtension(GifFrame& frame);
    int PeekCodeSize() const;
    Status OpenWideCodeFrame(GifFrame& frame, int codeSize);

    Bytes file_;
    std::size_t at_ = 0;
    bool truncated_ = false;
    bool version89_ = false;
    int openError_ = 0;
    GifFileType* gif_ = nullptr;
    std::unique_ptr<GifLzw> wideCodes_;  // frames of code sizes giflib refuses

    friend int ReadGifBytes(GifFileType* gif, GifByteType* out, int count);
};

}  // namespace picdec
