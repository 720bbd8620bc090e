#include "system/SafePaths.h"

#include <algorithm>

#include "text/PathText.h"

namespace {

bool IsDriveLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// The length of "X:" or "\\SERVER\SHARE" at the start; 0 when neither.
std::size_t RootLength(std::string_view path)
{
    if (path.size() >= 2 && IsDriveLetter(path[0]) && path[1] == ':')
        return 2;
    if (!path.starts_with("\\\\"))
        return 0;
    const std::size_t serverEnd = path.find('\\', 2);
    if (serverEnd == std::string_view::npos || !IsPlainName(path.substr(2, serverEnd - 2)))
        return 0;
    const std::size_t shareEnd = std::min(path.find('\\', serverEnd + 1), path.size());
    return IsPlainName(path.substr(serverEnd + 1, shareEnd - serverEnd - 1)) ? shareEnd : 0;
}

} // namespace

bool IsPlainName(std::string_view name)
{
    if (name.empty() || name == "." || name == ".." || name.back() == '.' || name.back() == ' ')
        return false;
    for (char c : name)
        if (static_cast<unsigned char>(c) < 0x20 || std::string_view("\\/:*?\"<>|").find(c) != std::string_view::npos)
            return false;
    return true;
}

bool IsAbsoluteDirectory(std::string_view path)
{
    const std::size_t root = RootLength(path);
    if (root == 0)
        return false;
    std::string_view rest = path.substr(root);
    while (!rest.empty()) {
        if (rest.front() != '\\')
            return false;
        rest.remove_prefix(1);
        std::size_t end = rest.find('\\');
        if (!IsPlainName(rest.substr(0, end)))
            return false;
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end);
    }
    return true;
}

bool IsRootDirectory(std::string_view path)
{
    return RootLength(path) == path.size() && !path.empty();
}

bool LiesDirectlyIn(std::string_view directory, std::string_view path)
{
    if (path.size() <= directory.size() + 1 || path[directory.size()] != '\\')
        return false;
    return UpperAscii(path.substr(0, directory.size())) == UpperAscii(directory) &&
           IsPlainName(path.substr(directory.size() + 1));
}
