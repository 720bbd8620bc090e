// The picture control's loader: a file name becomes the picture by its
// extension key, and the information fields are filled for it.
#include "text/PathText.h"
#include "framework/DibSize.h"
#include "framework/Dialogs.h"
#include "framework/Files.h"
#include "picture/PicView.h"

struct TPicView::LoaderRow {
    const char* key;
    // None: the bitmap resource of the program named by the file's stem.
    bool (*read)(const std::string&, int, int, TBitmap&, long);
};

namespace {

constexpr const char* kResourceKey = ".RES";

bool IsOwnFileKey(const std::string& key)
{
    return key == ".WMF" || key == ".ICO" || key == ".SCM" || key == ".CMS";
}

void ShowInformation(const std::string& text)
{
    MessageDlg(text, mtInformation, mbOK);
}

} // namespace

void TPicView::SetImageName(const std::string& name)
{
    imageName_ = name;
    GetImageName();
}

int TPicView::ReaderDepth() const
{
    switch (imageReadRes_) {
    case lColorVga: return 0;
    case lMonoChrome: return 1;
    case lColor16: return 4;
    case lColor256: return 8;
    case lColorTrue: return 24;
    default: {
        WindowDC dc(Handle());
        return ScreenColorDepth(dc.get());
    }
    }
}

std::string TPicView::GetImageName()
{
    static const LoaderRow kRows[] = {
        {".BMP", ReadBmpFile}, {".THB", ReadBmpFile}, {".THJ", ReadJpgFile}, {kResourceKey, nullptr},
        {".PNG", ReadPngFile}, {".GIF", ReadGifFile}, {".TIF", ReadTifFile}, {".PCX", ReadPcxFile},
        {".JPG", ReadJpgFile}, {".WEBP", ReadWebpFile}, {".HEIF", ReadHeifFile}, {".AVIF", ReadAvifFile},
        {".JXL", ReadJxlFile},
    };
    const std::string key = PictureKey(imageName_);
    // Each load describes its own picture, or none.
    SetEmptyInfo();
    if (key != kResourceKey && !FileExists(imageName_)) {
        picture_.Clear();
        loadedName_ = kFileNotFound;
        return loadedName_;
    }
    const int depth = ReaderDepth();
    const int dither = imageDither_ ? 1 : 0;
    if (key == ".WMF" || key == ".ICO") {
        ClearPicture();
        // A file the picture holder cannot read raises its error to the caller.
        picture_.LoadFromFile(imageName_);
        loadedName_ = kNonLibraryImage;
        GetImageInfo(imageName_);
        return loadedName_;
    }
    if (key == ".SCM")
        LoadMessageFile(&TPicView::LoadScrollMessage);
    else if (key == ".CMS")
        LoadMessageFile(&TPicView::LoadCreditBox);
    for (const LoaderRow& row : kRows)
        if (key == row.key)
            LoadByReader(row, depth, dither);
    loadedName_ = UpperAscii(imageName_);
    return loadedName_;
}

void TPicView::LoadMessageFile(void (TPicView::*load)(const std::string&))
{
    try {
        ClearPicture();
        (this->*load)(imageName_);
    } catch (const std::exception&) {
        picture_.Clear();
        return;
    }
    GetImageInfo(imageName_);
}

// A failure is told once: by the library's own reason, or, for a resource,
// which no library reads, by the loader.
void TPicView::LoadByReader(const LoaderRow& row, int depth, int dither)
{
    bool read = false;
    try {
        ClearPicture();
        TBitmap bitmap;
        read = row.read ? row.read(imageName_, depth, dither, bitmap, 0)
                        : ReadResourceBitmap("", FileNameStem(imageName_), Handle(), bitmap);
        if (!read && !row.read)
            ShowInformation("Reading resource file failed");
        picture_.SetGraphic(&bitmap);
    } catch (const std::exception&) {
        picture_.Clear();
    }
    // What a failed read kept (the rows before a truncation) is described
    // without telling the failure a second time.
    if (!HoldsPicture())
        return;
    if (read)
        GetImageInfo(imageName_);
    else
        FillImageInfo(imageName_, false);
}

void TPicView::SetFailedInfo()
{
    ImageFileType = ImageInfoText = "ERR";
    ImageWidth = ImageHeight = ImageBitsPixel = ImagePlanes = ImageInfoValue = -1;
    ImageFileSize = -1;
}

void TPicView::SetEmptyInfo()
{
    ImageFileType = ImageInfoText = "";
    ImageWidth = ImageHeight = ImageBitsPixel = ImagePlanes = ImageInfoValue = 0;
    ImageFileSize = 0;
}

bool TPicView::HoldsPicture() const
{
    const TGraphic* graphic = picture_.Graphic();
    return graphic && !graphic->Empty();
}

void TPicView::SetResourceInfo()
{
    ImageFileType = "RES";
    ImageInfoText = "BMP";
    ImageBitsPixel = ImagePlanes = ImageInfoValue = 0;
    const TBitmap* bitmap = picture_.HeldBitmap();
    const bool held = bitmap && !bitmap->Empty();
    ImageWidth = held ? bitmap->Width() : 0;
    ImageHeight = held ? bitmap->Height() : 0;
    auto size = held ? DeviceIndependentSize(ImageWidth, ImageHeight, bitmap->BitsPerPixel()) : std::nullopt;
    ImageFileSize = size ? *size : -1;
}

void TPicView::SetOwnFileInfo(const std::string& fileName, const std::string& key)
{
    ImageFileType = ImageInfoText = key.substr(1);
    ImageWidth = picture_.Width();
    ImageHeight = picture_.Height();
    ImageBitsPixel = ImagePlanes = ImageInfoValue = 0;
    ImageFileSize = FileSizeOf(fileName);
}

bool TPicView::GetImageInfo(const std::string& fileName)
{
    const std::string key = ExtensionKey(fileName);
    if (key == kResourceKey) {
        SetResourceInfo();
        // A failed resource read leaves no picture to describe.
        return ImageFileSize >= 0;
    }
    if (IsOwnFileKey(key)) {
        if (!FileExists(fileName)) {
            SetFailedInfo();
            return false;
        }
        SetOwnFileInfo(fileName, key);
        return true;
    }
    return FillImageInfo(fileName, true);
}

bool TPicView::FillImageInfo(const std::string& fileName, bool reportFailure)
{
    ImageInfo info;
    const bool read = ReadImageInfo(fileName, info, reportFailure);
    ImageFileType = info.fileType;
    ImageWidth = info.width;
    ImageHeight = info.height;
    ImageBitsPixel = info.depthFactor1;
    ImagePlanes = info.depthFactor2;
    ImageInfoValue = info.furtherNumber;
    ImageInfoText = info.infoText;
    ImageFileSize = FileSizeOf(fileName);
    return read;
}
