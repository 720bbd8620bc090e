#include "text/PathText.h"

#include <array>

namespace {

bool IsPathSeparator(char c) { return c == '\\' || c == ':'; }

std::string_view::size_type LastSeparator(std::string_view path)
{
    for (auto i = path.size(); i > 0; --i)
        if (IsPathSeparator(path[i - 1]))
            return i - 1;
    return std::string_view::npos;
}

} // namespace

std::string_view ExtensionPart(std::string_view name)
{
    for (auto i = name.size(); i > 0; --i) {
        char c = name[i - 1];
        if (c == '.')
            return name.substr(i - 1);
        if (IsPathSeparator(c))
            break;
    }
    return {};
}

std::string ExtensionKey(std::string_view name) { return UpperAscii(ExtensionPart(name).substr(0, 4)); }

namespace {

const WholePictureExtension* FindWholePictureExtension(std::string_view name)
{
    const std::string extension = UpperAscii(ExtensionPart(name));
    for (const WholePictureExtension& whole : kWholePictureExtensions)
        if (extension == whole.extension)
            return &whole;
    return nullptr;
}

} // namespace

bool IsSupportedExtension(std::string_view name)
{
    static constexpr std::array<std::string_view, 7> kSupported = {".JPG", ".BMP", ".GIF", ".WMF",
                                                                   ".ICO", ".PCX", ".TIF"};
    const std::string key = ExtensionKey(name);
    for (std::string_view supported : kSupported)
        if (key == supported)
            return true;
    return FindWholePictureExtension(name) != nullptr;
}

std::string PictureKey(std::string_view name)
{
    const WholePictureExtension* whole = FindWholePictureExtension(name);
    return whole ? std::string(whole->loaderKey) : ExtensionKey(name);
}

std::string DirectoryPart(std::string_view path)
{
    auto separator = LastSeparator(path);
    return separator == std::string_view::npos ? std::string() : std::string(path.substr(0, separator + 1));
}

std::string FileNamePart(std::string_view path)
{
    auto separator = LastSeparator(path);
    return std::string(separator == std::string_view::npos ? path : path.substr(separator + 1));
}

std::string JoinPath(std::string_view directory, std::string_view name)
{
    std::string result(directory);
    if (!result.empty() && result.back() != '\\')
        result += '\\';
    return result + std::string(name);
}

bool IsRootedPath(std::string_view path)
{
    return path.find(':') != std::string_view::npos || (!path.empty() && path.front() == '\\');
}

bool IsUncPath(std::string_view path)
{
    return path.size() > 2 && path.substr(0, 2) == "\\\\" && path[2] != '?' && path[2] != '.';
}

std::string WithoutLongPathPrefix(std::string_view path)
{
    constexpr std::string_view prefix = "\\\\?\\";
    if (path.substr(0, prefix.size()) != prefix)
        return std::string(path);
    const std::string_view rest = path.substr(prefix.size());
    if (UpperAscii(rest.substr(0, 4)) == "UNC\\")
        return "\\\\" + std::string(rest.substr(4));
    if (rest.size() >= 2 && rest[1] == ':')
        return std::string(rest);
    return std::string(path);
}

namespace {

// Drops the first directory name after the first "\"; false when there is
// nothing to drop.
bool DropFirstDirectory(std::string& path)
{
    auto first = path.find('\\');
    if (first == std::string::npos)
        return false;
    auto second = path.find('\\', first + 1);
    if (second == std::string::npos)
        return false;
    path.erase(first + 1, second - first);
    return true;
}

} // namespace

std::string ShortenPath(std::string_view path, unsigned char maxLength)
{
    std::string result(path);
    if (result.size() > maxLength) {
        const std::size_t target = maxLength < 4 ? 0 : maxLength - 4u;
        bool removed = true;
        while (result.size() > target && removed)
            removed = DropFirstDirectory(result);
        auto first = result.find('\\');
        if (first != std::string::npos)
            result.insert(first + 1, "...\\");
    }
    return result.size() < path.size() ? result : std::string(path);
}
