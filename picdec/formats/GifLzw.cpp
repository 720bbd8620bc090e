#include "picdec/formats/GifLzw.h"

namespace picdec {

namespace {

constexpr int kLargestWidth = 12;

// A literal code past the 256 colours a GIF can have shows colour 0.
std::uint8_t LiteralPixel(int code) { return code < 256 ? static_cast<std::uint8_t>(code) : 0; }

}  // namespace

GifLzw::GifLzw(Bytes data, int codeSize)
    : data_(data), clear_(1 << codeSize), end_((1 << codeSize) + 1), codeSize_(codeSize)
{
    Reset();
}

void GifLzw::Reset()
{
    width_ = codeSize_ + 1;
    next_ = clear_ + 2;
    previous_ = -1;
}

bool GifLzw::NextByte(std::uint8_t& byte)
{
    while (blockLeft_ == 0) {
        if (at_ >= data_.size() || data_[at_] == 0)
            return false;
        blockLeft_ = data_[at_++];
    }
    if (at_ >= data_.size())
        return false;
    byte = data_[at_++];
    --blockLeft_;
    return true;
}

int GifLzw::NextCode()
{
    while (bitCount_ < width_) {
        std::uint8_t byte = 0;
        if (!NextByte(byte))
            return -1;
        bits_ |= static_cast<std::uint32_t>(byte) << bitCount_;
        bitCount_ += 8;
    }
    const int code = static_cast<int>(bits_ & ((1u << width_) - 1));
    bits_ >>= width_;
    bitCount_ -= width_;
    return code;
}

// Pushes the pixels of a table code (last pixel first) and adds the entry
// that the previous code and this code's first pixel make.
Status GifLzw::Expand(int code)
{
    int walk = code;
    if (code == next_ && next_ < kTableSize) {  // the entry about to be made
        stack_[static_cast<std::size_t>(stackSize_++)] = first_;
        walk = previous_;
    } else if (code >= next_ || code > kTableSize - 1) {
        return Status::CorruptData;
    }
    while (walk > end_) {
        stack_[static_cast<std::size_t>(stackSize_++)] = suffix_[static_cast<std::size_t>(walk)];
        walk = prefix_[static_cast<std::size_t>(walk)];
    }
    first_ = LiteralPixel(walk);
    stack_[static_cast<std::size_t>(stackSize_++)] = first_;
    if (next_ < kTableSize) {
        prefix_[static_cast<std::size_t>(next_)] = static_cast<std::uint16_t>(previous_);
        suffix_[static_cast<std::size_t>(next_)] = first_;
        ++next_;
        if (next_ == 1 << width_ && width_ < kLargestWidth)
            ++width_;
    }
    previous_ = code;
    return Status::Ok;
}

std::uint8_t GifLzw::NextPixel() { return stack_[static_cast<std::size_t>(--stackSize_)]; }

Status GifLzw::ReadLine(std::uint8_t* line, int width)
{
    for (int x = 0; x < width;) {
        if (stackSize_ > 0) {
            line[x++] = NextPixel();
            continue;
        }
        const int code = NextCode();
        if (code < 0)
            return Status::TruncatedData;
        if (code == clear_) {
            Reset();
        } else if (code == end_) {
            return Status::TruncatedData;
        } else if (previous_ < 0) {
            if (code > end_)
                return Status::CorruptData;
            first_ = LiteralPixel(code);
            previous_ = code;
            line[x++] = first_;
        } else if (const Status status = Expand(code); status != Status::Ok) {
            return status;
        }
    }
    return Status::Ok;
}

}  // namespace picdec
