#pragma once
// Which graphic the picture holder makes of a file, by its real extension.
#include <string>
#include <string_view>

enum class PictureFileKind { Icon, Metafile, Unknown };

// The extension after the last "." of the name (not of its directories),
// in lower case and without the dot; empty when there is none.
std::string RealExtension(std::string_view fileName);

PictureFileKind PictureKindOf(std::string_view fileName);
