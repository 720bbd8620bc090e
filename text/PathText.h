#pragma once
// Path and name handling on plain strings (no file access). Paths use "\"
// and an optional drive "X:"; only the letters a to z change case.
#include <array>
#include <string>
#include <string_view>

#include "text/AsciiCase.h"

// The extension key: the text from the last "." that follows the last "\" or
// ":", dot included, in upper case and cut to its first four characters.
std::string ExtensionKey(std::string_view name);
// The text from the last "." that follows the last "\" or ":", dot included
// (empty when there is none).
std::string_view ExtensionPart(std::string_view name);

// The common names of pictures beside the seven, recognised by the whole
// extension in any case (by its first four characters ".AVI" videos, say,
// would count as pictures), each with the loader key its reader has.
struct WholePictureExtension {
    std::string_view extension;
    std::string_view loaderKey;
};
inline constexpr std::array<WholePictureExtension, 9> kWholePictureExtensions = {{
    {".PNG", ".PNG"}, {".JPEG", ".JPG"}, {".JPE", ".JPG"}, {".JFIF", ".JPG"}, {".WEBP", ".WEBP"},
    {".HEIC", ".HEIF"}, {".HEIF", ".HEIF"}, {".AVIF", ".AVIF"}, {".JXL", ".JXL"},
}};

// True when the extension key is one of the seven picture extensions the
// shell opens, or the whole extension one of kWholePictureExtensions.
bool IsSupportedExtension(std::string_view name);

// The key the picture control chooses its reader by: the loader key of a
// whole picture extension, else the extension key.
std::string PictureKey(std::string_view name);

// Everything up to and including the last "\" or ":" (empty for a bare name).
std::string DirectoryPart(std::string_view path);
// Everything after the last "\" or ":".
std::string FileNamePart(std::string_view path);
// Joins with a single "\" (none added when the directory already ends in one).
std::string JoinPath(std::string_view directory, std::string_view name);
// True when the path names a drive or starts at a "\": a name typed so is
// taken as it stands, not joined to a listed directory.
bool IsRootedPath(std::string_view path);

// True for a network path "\\server\share..." (not a "\\?\" or "\\.\" one).
bool IsUncPath(std::string_view path);
// The plain path behind the long-path prefix: "\\?\C:\a" is "C:\a" and
// "\\?\UNC\server\share" is "\\server\share"; any other path as it is.
std::string WithoutLongPathPrefix(std::string_view path);

// Shortens a path for display by replacing leading directories with "...".
std::string ShortenPath(std::string_view path, unsigned char maxLength);
