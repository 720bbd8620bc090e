#include "system/EntryTexts.h"

#include "text/PathText.h"

std::string OpenCommand(std::string_view programPath)
{
    return "\"" + std::string(programPath) + "\" \"%1\"";
}

std::string UninstallCommand(std::string_view programPath)
{
    return "\"" + std::string(programPath) + "\" -u";
}

std::string ExtensionCommand(std::string_view programPath, std::string_view extension)
{
    return std::string(programPath) + " ^" + std::string(extension);
}

bool IsProgramClass(std::string_view className)
{
    return UpperAscii(className) == "LUMOSCOPE32";
}

std::string OpenWithProgidsKey(std::string_view extension)
{
    return std::string(kMachineClassesKey) + "\\" + std::string(extension) + "\\" + kOpenWithProgidsKey;
}

std::vector<std::string> OpenableExtensions()
{
    std::vector<std::string> extensions(kPictureExtensions.begin(), kPictureExtensions.end());
    for (const WholePictureExtension& whole : kWholePictureExtensions)
        extensions.emplace_back(whole.extension);
    return extensions;
}
