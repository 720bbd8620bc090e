#include "framework/PictureFileKind.h"

std::string RealExtension(std::string_view fileName)
{
    const auto separator = fileName.find_last_of("\\:");
    const auto dot = fileName.rfind('.');
    if (dot == std::string_view::npos || (separator != std::string_view::npos && dot < separator))
        return {};
    std::string extension(fileName.substr(dot + 1));
    for (char& c : extension)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return extension;
}

PictureFileKind PictureKindOf(std::string_view fileName)
{
    const std::string extension = RealExtension(fileName);
    if (extension == "ico")
        return PictureFileKind::Icon;
    if (extension == "wmf" || extension == "emf")
        return PictureFileKind::Metafile;
    return PictureFileKind::Unknown;
}
