#include "framework/PictureFileKind.h"

#include "text/PathText.h"

std::string RealExtension(std::string_view fileName)
{
    const std::string_view extension = ExtensionPart(fileName);
    return extension.empty() ? std::string() : LowerAscii(extension.substr(1));
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
