#include "framework/Picture.h"

#include "framework/Clipboard.h"
#include "framework/DibTransfer.h"
#include "framework/ErrorText.h"
#include "framework/Exceptions.h"
#include "framework/Icon.h"
#include "framework/Metafile.h"
#include "framework/PictureFileKind.h"

void TPicture::Changed()
{
    if (OnChange)
        OnChange();
}

void TPicture::Take(std::unique_ptr<TGraphic> graphic)
{
    graphic_ = std::move(graphic);
    if (graphic_)
        graphic_->OnChange = [this] { Changed(); };
    Changed();
}

void TPicture::SetGraphic(const TGraphic* graphic)
{
    if (graphic == graphic_.get() && graphic)
        return;
    Take(graphic ? graphic->Clone() : nullptr);
}

TBitmap& TPicture::Bitmap()
{
    if (!HeldBitmap())
        Take(std::make_unique<TBitmap>());
    return static_cast<TBitmap&>(*graphic_);
}

void TPicture::LoadFromFile(const std::string& fileName)
{
    switch (PictureKindOf(fileName)) {
    case PictureFileKind::Icon: {
        auto icon = std::make_unique<TIcon>();
        icon->LoadFromFile(fileName);
        Take(std::move(icon));
        return;
    }
    case PictureFileKind::Metafile: {
        auto metafile = std::make_unique<TMetafile>();
        metafile->LoadFromFile(fileName);
        Take(std::move(metafile));
        return;
    }
    case PictureFileKind::Unknown:
        throw EInvalidGraphic(UnknownPictureExtensionText(RealExtension(fileName)));
    }
}

void TPicture::SaveToClipboard(HWND owner) const
{
    if (!graphic_ || graphic_->Empty())
        return;
    ClipboardData data = graphic_->ClipboardFormats();
    if (data.Empty())
        throw EOutOfResources(OutOfResourcesText());
    ClipboardSession clipboard(owner);
    ::EmptyClipboard();
    data.PutOnOpenClipboard();
}

bool TPicture::ClipboardHasPicture()
{
    for (UINT format : {CF_DIB, CF_BITMAP, CF_ENHMETAFILE, CF_METAFILEPICT})
        if (::IsClipboardFormatAvailable(format))
            return true;
    return false;
}

namespace {

// A global memory block of the clipboard, locked while this lives.
class LockedGlobal {
public:
    explicit LockedGlobal(HANDLE memory)
        : memory_(memory), data_(memory ? static_cast<const std::uint8_t*>(::GlobalLock(memory)) : nullptr),
          size_(data_ ? ::GlobalSize(memory) : 0)
    {
    }
    ~LockedGlobal()
    {
        if (data_)
            ::GlobalUnlock(memory_);
    }
    LockedGlobal(const LockedGlobal&) = delete;
    LockedGlobal& operator=(const LockedGlobal&) = delete;
    const std::uint8_t* data() const { return data_; }
    std::size_t size() const { return size_; }

private:
    HANDLE memory_;
    const std::uint8_t* data_;
    std::size_t size_;
};

std::unique_ptr<TGraphic> BitmapFromClipboard()
{
    UniqueBitmap bitmap;
    UniquePalette palette;
    if (::IsClipboardFormatAvailable(CF_DIB)) {
        LockedGlobal dib(::GetClipboardData(CF_DIB));
        BitmapFromPackedDib(dib.data(), dib.size(), bitmap, palette);
    }
    if (!bitmap && ::IsClipboardFormatAvailable(CF_BITMAP)) {
        bitmap.reset(DuplicateBitmap(static_cast<HBITMAP>(::GetClipboardData(CF_BITMAP))));
        palette.reset(DuplicatePalette(static_cast<HPALETTE>(::GetClipboardData(CF_PALETTE))));
    }
    if (!bitmap)
        return nullptr;
    auto result = std::make_unique<TBitmap>();
    result->SetHandle(bitmap.release());
    result->SetPalette(palette.release());
    return result;
}

std::unique_ptr<TGraphic> MetafileFromClipboard()
{
    if (::IsClipboardFormatAvailable(CF_ENHMETAFILE)) {
        auto source = static_cast<HENHMETAFILE>(::GetClipboardData(CF_ENHMETAFILE));
        if (HENHMETAFILE copy = source ? ::CopyEnhMetaFile(source, nullptr) : nullptr)
            return std::make_unique<TMetafile>(copy);
    }
    if (::IsClipboardFormatAvailable(CF_METAFILEPICT)) {
        LockedGlobal picture(::GetClipboardData(CF_METAFILEPICT));
        if (picture.size() < sizeof(METAFILEPICT))
            return nullptr;
        METAFILEPICT header = *reinterpret_cast<const METAFILEPICT*>(picture.data());
        UINT size = ::GetMetaFileBitsEx(header.hMF, 0, nullptr);
        std::vector<std::uint8_t> bits(size);
        if (size == 0 || ::GetMetaFileBitsEx(header.hMF, size, bits.data()) != size)
            return nullptr;
        auto metafile = std::make_unique<TMetafile>();
        if (metafile->LoadFromWindowsMetafile(bits.data(), bits.size(), &header))
            return metafile;
    }
    return nullptr;
}

} // namespace

bool TPicture::LoadFromClipboard(HWND owner)
{
    ClipboardSession clipboard(owner);
    std::unique_ptr<TGraphic> graphic = BitmapFromClipboard();
    if (!graphic)
        graphic = MetafileFromClipboard();
    if (!graphic)
        return false;
    Take(std::move(graphic));
    return true;
}
