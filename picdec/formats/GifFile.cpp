#include "picdec/formats/GifFile.h"

#include <algorithm>
#include <cstring>

namespace picdec {

int ReadGifBytes(GifFileType* gif, GifByteType* out, int count)
{
    auto& self = *static_cast<GifFile*>(gif->UserData);
    const std::size_t wanted = count > 0 ? static_cast<std::size_t>(count) : 0;
    const std::size_t available = std::min(wanted, self.file_.size() - self.at_);
    if (available < wanted)
        self.truncated_ = true;
    std::memcpy(out, self.file_.data() + self.at_, available);
    self.at_ += available;
    return static_cast<int>(available);
}

namespace {

constexpr std::size_t kDescriptorSize = 9;
constexpr std::uint8_t kLocalMapFlag = 0x80;
constexpr std::uint8_t kInterlaceFlag = 0x40;

std::size_t LocalMapBytes(std::uint8_t flags)
{
    return (flags & kLocalMapFlag) != 0 ? std::size_t{3} << ((flags & 7) + 1) : 0;
}

Palette PaletteOf(const ColorMapObject* map)
{
    if (map == nullptr)
        return GreyPalette(8);
    Palette palette(static_cast<std::size_t>(std::clamp(map->ColorCount, 0, 256)));
    for (std::size_t i = 0; i < palette.size(); ++i)
        palette[i] = Colour{map->Colors[i].Red, map->Colors[i].Green, map->Colors[i].Blue};
    return palette;
}

}  // namespace

GifFile::GifFile(Bytes file) : file_(file)
{
    version89_ = file.size() >= 6 && file[4] == '9';
    gif_ = DGifOpen(this, ReadGifBytes, &openError_);
}

GifFile::~GifFile()
{
    if (gif_ != nullptr) {
        int error = 0;
        DGifCloseFile(gif_, &error);
    }
}

Status GifFile::LastError() const
{
    const int error = gif_ != nullptr ? gif_->Error : openError_;
    if (truncated_ || error == D_GIF_ERR_READ_FAILED || error == D_GIF_ERR_EOF_TOO_SOON)
        return Status::TruncatedData;
    if (error == D_GIF_ERR_NOT_GIF_FILE)
        return Status::WrongFormat;
    if (error == D_GIF_ERR_NOT_ENOUGH_MEM)
        return Status::OutOfMemory;
    return Status::CorruptData;
}

Status GifFile::ReadExtension(GifFrame& frame)
{
    int code = 0;
    GifByteType* block = nullptr;
    if (DGifGetExtension(gif_, &code, &block) == GIF_ERROR)
        return LastError();
    while (block != nullptr) {
        if (code == GRAPHICS_EXT_FUNC_CODE && block[0] >= 4 && (block[1] & 1) != 0)
            frame.transparentIndex = block[4];
        if (DGifGetExtensionNext(gif_, &block) == GIF_ERROR)
            return LastError();
        code = 0;
    }
    return Status::Ok;
}

Status GifFile::OpenFirstFrame(GifFrame& frame)
{
    if (gif_ == nullptr)
        return LastError();
    for (;;) {
        GifRecordType record = UNDEFINED_RECORD_TYPE;
        if (DGifGetRecordType(gif_, &record) == GIF_ERROR)
            return LastError();
        if (record == TERMINATE_RECORD_TYPE)
            return Status::EmptyPicture;
        if (record == EXTENSION_RECORD_TYPE) {
            if (const Status status = ReadExtension(frame); status != Status::Ok)
                return status;
            continue;
        }
        if (record != IMAGE_DESC_RECORD_TYPE)
            return Status::CorruptData;
        if (const int codeSize = PeekCodeSize(); codeSize > 8)
            return OpenWideCodeFrame(frame, codeSize);
        if (DGifGetImageDesc(gif_) == GIF_ERROR)
            return LastError();
        const GifImageDesc& desc = gif_->Image;
        frame.left = desc.Left;
        frame.top = desc.Top;
        frame.width = desc.Width;
        frame.height = desc.Height;
        frame.interlaced = desc.Interlace;
        const ColorMapObject* map = desc.ColorMap != nullptr ? desc.ColorMap : gif_->SColorMap;
        frame.colourBits = map != nullptr ? std::clamp(map->BitsPerPixel, 1, 8) : 8;
        frame.fileColourCount = map != nullptr ? static_cast<std::size_t>(map->ColorCount) : 0;
        frame.palette = PaletteOf(map);
        if (frame.transparentIndex >= 0 && static_cast<std::size_t>(frame.transparentIndex) < frame.palette.size())
            frame.palette[static_cast<std::size_t>(frame.transparentIndex)] = Colour{255, 255, 255};
        return Status::Ok;
    }
}

// The minimum code size that follows the image descriptor at at_; 0 when
// the file ends before it.
int GifFile::PeekCodeSize() const
{
    if (file_.size() - at_ < kDescriptorSize)
        return 0;
    const std::size_t codeSizeAt = at_ + kDescriptorSize + LocalMapBytes(file_[at_ + kDescriptorSize - 1]);
    return codeSizeAt < file_.size() ? file_[codeSizeAt] : 0;
}

// The descriptor read here, the image data decoded by GifLzw.
Status GifFile::OpenWideCodeFrame(GifFrame& frame, int codeSize)
{
    if (codeSize > GifLzw::kLargestCodeSize)
        return Status::CorruptData;
    const std::uint8_t* descriptor = file_.data() + at_;
    const auto number = [descriptor](int at) { return descriptor[at] | descriptor[at + 1] << 8; };
    frame.left = number(0);
    frame.top = number(2);
    frame.width = number(4);
    frame.height = number(6);
    const std::uint8_t flags = descriptor[8];
    frame.interlaced = (flags & kInterlaceFlag) != 0;
    if ((flags & kLocalMapFlag) != 0) {
        frame.colourBits = (flags & 7) + 1;
        frame.fileColourCount = std::size_t{1} << frame.colourBits;
        frame.palette.resize(frame.fileColourCount);
        for (std::size_t i = 0; i < frame.palette.size(); ++i) {
            const std::uint8_t* rgb = descriptor + kDescriptorSize + i * 3;
            frame.palette[i] = Colour{rgb[0], rgb[1], rgb[2]};
        }
    } else {
        frame.colourBits = gif_->SColorMap != nullptr ? std::clamp(gif_->SColorMap->BitsPerPixel, 1, 8) : 8;
        frame.fileColourCount = gif_->SColorMap != nullptr ? static_cast<std::size_t>(gif_->SColorMap->ColorCount) : 0;
        frame.palette = PaletteOf(gif_->SColorMap);
    }
    if (frame.transparentIndex >= 0 && static_cast<std::size_t>(frame.transparentIndex) < frame.palette.size())
        frame.palette[static_cast<std::size_t>(frame.transparentIndex)] = Colour{255, 255, 255};
    const std::size_t dataAt = at_ + kDescriptorSize + LocalMapBytes(flags) + 1;
    wideCodes_ = std::make_unique<GifLzw>(file_.subspan(dataAt), codeSize);
    return Status::Ok;
}

Status GifFile::ReadLine(std::uint8_t* line, int width)
{
    if (wideCodes_ != nullptr)
        return wideCodes_->ReadLine(line, width);
    return DGifGetLine(gif_, line, width) == GIF_ERROR ? LastError() : Status::Ok;
}

// The logical screen, grown to the first frame where that lies outside it.
std::uint32_t GifFile::CanvasWidth(const GifFrame& frame) const
{
    return static_cast<std::uint32_t>(std::max(gif_->SWidth, frame.left + frame.width));
}

std::uint32_t GifFile::CanvasHeight(const GifFrame& frame) const
{
    return static_cast<std::uint32_t>(std::max(gif_->SHeight, frame.top + frame.height));
}

}  // namespace picdec
