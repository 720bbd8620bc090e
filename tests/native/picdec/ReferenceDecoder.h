#pragma once
// ImageMagick's reading of a picture file, composed on white, as a second
// opinion for the decoder tests. Nothing where ImageMagick is not installed.

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "tests/native/picdec/writers/TestPictures.h"

namespace picdec::samples {

inline std::optional<RgbPicture> ImageMagickPixels(const File& file, std::uint32_t width, std::uint32_t height,
                                                   const std::string& extension)
{
#ifdef _WIN32
    return std::nullopt;  // under Wine the Linux program cannot be started
#endif
    if (!std::filesystem::exists("/usr/bin/convert"))
        return std::nullopt;
    const std::string stem = (std::filesystem::temp_directory_path() / "picdec-reference-").string() +
                             std::to_string(reinterpret_cast<std::uintptr_t>(&file));
    std::ofstream(stem + extension, std::ios::binary)
        .write(reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(file.size()));
    const std::string command = "/usr/bin/convert '" + stem + extension + "[0]' -background white -alpha remove " +
                                "-alpha off -depth 8 rgb:'" + stem + ".rgb' 2>/dev/null";
    const bool ran = std::system(command.c_str()) == 0;
    std::ifstream in(stem + ".rgb", std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::filesystem::remove(stem + extension);
    std::filesystem::remove(stem + ".rgb");
    if (!ran || bytes.size() != std::size_t{width} * height * 3)
        return std::nullopt;
    RgbPicture picture{width, height, {}};
    for (std::size_t i = 0; i < bytes.size(); i += 3)
        picture.pixels.push_back(Colour{static_cast<std::uint8_t>(bytes[i]), static_cast<std::uint8_t>(bytes[i + 1]),
                                        static_cast<std::uint8_t>(bytes[i + 2])});
    return picture;
}

}  // namespace picdec::samples
