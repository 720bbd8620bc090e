#include <gtest/gtest.h>

#include <fstream>
#include <set>

#include "TestSupport.h"
#include "imagelib/ImageLib.h"

namespace {

std::string TempPath(const std::string& name)
{
    char temp[MAX_PATH];
    ::GetTempPathA(MAX_PATH, temp);
    return std::string(temp) + name;
}

// A 4 x 2, 8-bit bitmap file with three colours; cut short when asked.
std::string WriteBitmapFile(const std::string& name, std::size_t cutBytes = 0)
{
    std::ifstream source("data\\logo8.bmp", std::ios::binary);
    std::string bytes{std::istreambuf_iterator<char>(source), {}};
    if (bytes.empty()) {
        HRSRC resource = ::FindResourceA(nullptr, "LOGO", reinterpret_cast<LPCSTR>(RT_BITMAP));
        const char* dib = static_cast<const char*>(::LockResource(::LoadResource(nullptr, resource)));
        DWORD size = ::SizeofResource(nullptr, resource);
        std::string header = "BM";
        auto put32 = [&](std::uint32_t v) {
            for (int i = 0; i < 4; ++i)
                header += static_cast<char>(v >> (8 * i));
        };
        put32(14 + size);
        put32(0);
        put32(14 + 40 + 3 * 4);
        bytes = header + std::string(dib, size);
    }
    bytes.resize(bytes.size() - cutBytes);
    std::string path = TempPath(name);
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
}

int PaletteSize(HPALETTE palette)
{
    WORD entries = 0;
    ::GetObjectA(palette, sizeof entries, &entries);
    return entries;
}

int BitsPerPixel(HBITMAP bitmap)
{
    DIBSECTION section{};
    ::GetObjectA(bitmap, sizeof section, &section);
    return section.dsBm.bmBitsPixel;
}

std::string LibraryString(short code)
{
    char text[256] = {};
    ::LoadStringA(DecoderModule(), static_cast<unsigned short>(code), text, sizeof text);
    return text;
}

// The ordinals this program imports from the image library; empty when it
// imports the library by name or not at all.
std::set<unsigned> ImportedOrdinals(const char* dllName, bool& anyByName)
{
    auto* base = reinterpret_cast<const std::uint8_t*>(::GetModuleHandleA(nullptr));
    auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const auto& directory = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    std::set<unsigned> ordinals;
    anyByName = false;
    for (auto* import = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + directory.VirtualAddress);
         import->Name; ++import) {
        if (::lstrcmpiA(reinterpret_cast<const char*>(base + import->Name), dllName) != 0)
            continue;
        for (auto* thunk = reinterpret_cast<const IMAGE_THUNK_DATA*>(base + import->OriginalFirstThunk);
             thunk->u1.Ordinal; ++thunk) {
            if (IMAGE_SNAP_BY_ORDINAL(thunk->u1.Ordinal))
                ordinals.insert(static_cast<unsigned>(IMAGE_ORDINAL(thunk->u1.Ordinal)));
            else
                anyByName = true;
        }
    }
    return ordinals;
}

} // namespace

TEST(ImageLibrary, IsLoadedAndImportedByOrdinal)
{
    EXPECT_NE(DecoderModule(), nullptr);
    bool anyByName = true;
    std::set<unsigned> ordinals = ImportedOrdinals("PICDEC32.DLL", anyByName);
    EXPECT_FALSE(anyByName);
    EXPECT_EQ(ordinals, (std::set<unsigned>{1, 5, 7, 8, 15, 17, 25}));
}

TEST(ImageLibrary, ReadsABitmapAtEachResolution)
{
    std::string path = WriteBitmapFile("lumo-read.bmp");
    for (auto [resolution, bits] : {std::pair{0, 8}, {24, 24}, {8, 8}, {4, 4}, {1, 1}}) {
        TBitmap bitmap;
        ASSERT_TRUE(ReadBmpFile(path, resolution, 0, bitmap)) << resolution;
        EXPECT_EQ(bitmap.Width(), 4);
        EXPECT_EQ(bitmap.Height(), 2);
        EXPECT_EQ(BitsPerPixel(bitmap.Handle()), bits) << resolution;
        EXPECT_EQ(bitmap.Palette() != nullptr, bits <= 8) << resolution;
    }
    ::DeleteFileA(path.c_str());
}

TEST(ImageLibrary, ReportsThePictureInformation)
{
    std::string path = WriteBitmapFile("lumo-info.bmp");
    ImageInfo info;
    ASSERT_TRUE(ReadImageInfo(path, info));
    EXPECT_EQ(info.fileType, "BMP");
    EXPECT_EQ(info.width, 4);
    EXPECT_EQ(info.height, 2);
    EXPECT_EQ(info.depthFactor1 * info.depthFactor2, 8);
    EXPECT_EQ(info.furtherNumber, 3);
    ::DeleteFileA(path.c_str());
}

TEST(ImageLibrary, FailuresShowTheLibrarysOwnMessage)
{
    ScriptedDialogs dialogs;
    TBitmap bitmap;
    EXPECT_FALSE(ReadBmpFile(TempPath("no-such-picture.bmp"), 0, 0, bitmap));
    EXPECT_TRUE(bitmap.Empty());
    ImageInfo info;
    EXPECT_FALSE(ReadImageInfo(TempPath("no-such-picture.bmp"), info));
    ASSERT_EQ(dialogs.requests.size(), 2u);
    for (const DialogRequest& request : dialogs.requests) {
        EXPECT_EQ(request.caption, "Fehler");
        EXPECT_EQ(request.type, mtError);
        EXPECT_EQ(request.buttons, static_cast<TMsgDlgButtons>(mbOK));
        EXPECT_EQ(request.text, LibraryString(-1));
        EXPECT_FALSE(request.text.empty());
    }
}

TEST(ImageLibrary, ATruncatedPictureStillHandsItsBitmapOver)
{
    ScriptedDialogs dialogs;
    std::string path = WriteBitmapFile("lumo-cut.bmp", 4);
    TBitmap bitmap;
    EXPECT_FALSE(ReadBmpFile(path, 0, 0, bitmap));
    EXPECT_FALSE(bitmap.Empty());
    ASSERT_EQ(dialogs.requests.size(), 1u);
    EXPECT_FALSE(dialogs.requests[0].text.empty());
    ::DeleteFileA(path.c_str());
}

TEST(ImageLibrary, ReadsResourceBitmapsByNameAndNumber)
{
    PixelCanvas canvas(8, 8);
    HWND window = ::GetDesktopWindow();
    TBitmap byName;
    ASSERT_TRUE(ReadResourceBitmap("", "LOGO", window, byName));
    EXPECT_EQ(byName.Width(), 4);
    EXPECT_EQ(byName.Height(), 2);
    EXPECT_EQ(PaletteSize(byName.Palette()), 3);
    TBitmap byNumber;
    ASSERT_TRUE(ReadResourceBitmap("", "101", window, byNumber));
    EXPECT_EQ(byNumber.Width(), 2);
    EXPECT_EQ(PaletteSize(byNumber.Palette()), 16);
    ScriptedDialogs dialogs;
    TBitmap missing;
    EXPECT_FALSE(ReadResourceBitmap("", "NOPE", window, missing));
    EXPECT_FALSE(ReadResourceBitmap("NO-SUCH-MODULE.DLL", "LOGO", window, missing));
    EXPECT_TRUE(missing.Empty());
    EXPECT_TRUE(dialogs.requests.empty());
}

TEST(ImageLibrary, LeaksNoGdiObjectsOver200Reads)
{
    std::string good = WriteBitmapFile("lumo-leak.bmp");
    std::string cut = WriteBitmapFile("lumo-leak-cut.bmp", 4);
    ScriptedDialogs dialogs;
    std::vector<HGDIOBJ> handedOver;
    DWORD before = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS);
    {
        TBitmap bitmap;
        for (int i = 0; i < 100; ++i) {
            for (const std::string& file : {good, cut}) {
                ReadBmpFile(file, i % 2 ? 24 : 4, i % 2, bitmap);
                handedOver.push_back(bitmap.Handle());
                if (bitmap.Palette())
                    handedOver.push_back(bitmap.Palette());
            }
        }
    }
    // Wine does not count GDI objects per process; Windows does.
    if (before > 0) {
        EXPECT_LE(::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS), before);
    }
    EXPECT_GE(handedOver.size(), 200u);
    for (HGDIOBJ object : handedOver)
        EXPECT_EQ(::GetObjectType(object), 0u) << "a bitmap or palette outlived its owner";
    ::DeleteFileA(good.c_str());
    ::DeleteFileA(cut.c_str());
}
