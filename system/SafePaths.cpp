#include "system/SafePaths.h"

#include "app/PathText.h"

namespace {

bool IsDriveLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

bool IsDrive(std::string_view path) { return path.size() == 2 && IsDriveLetter(path[0]) && path[1] == ':'; }

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
    if (path.size() < 2 || !IsDrive(path.substr(0, 2)))
        return false;
    std::string_view rest = path.substr(2);
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

bool LiesDirectlyIn(std::string_view directory, std::string_view path)
{
    if (path.size() <= directory.size() + 1 || path[directory.size()] != '\\')
        return false;
    return UpperAscii(path.substr(0, directory.size())) == UpperAscii(directory) &&
           IsPlainName(path.substr(directory.size() + 1));
}
