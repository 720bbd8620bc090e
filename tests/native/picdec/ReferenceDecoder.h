#pragma once
// ImageMagick's reading of a picture file, composed on white, as a second
// opinion for the decoder tests. Nothing where ImageMagick is not installed.

#include <cstdio>
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
    const std::filesystem::path convert = "/usr/bin/convert";
    if (!std::filesystem::exists(convert))
        return std::nullopt;
    const std::filesystem::path dir = std::filesystem::temp_directory_path();
    const std::string stem = "picdec-reference-" + std::to_string(reinterpret_cast<std::uintptr_t>(&file));
    const std::filesystem::path input = dir / (stem + extension);
    const std::filesystem::path output = dir / (stem + ".rgb");
    std::ofstream(input, std::ios::binary).write(reinterpret_cast<const char*>(file.data()),
                                                 static_cast<std::streamsize>(file.size()));
    const std::string command = convert.string() + " '" + input.string() + "[0]' -background white -alpha remove " +
                                "-alpha off -depth 8 rgb:'" + output.string() + "' 2>/dev/null";
    const bool ran = std::system(command.c_str()) == 0;
    std::ifstream in(output, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::filesystem::remove(input);
    std::filesystem::remove(output);
    if (!ran || bytes.size() != std::size_t{width} * height * 3)
        return std::nullopt;
    RgbPicture picture{width, height, {}};
    for (std::size_t i = 0; i < bytes.size(); i += 3)
        picture.pixels.push_back(Colour{static_cast<std::uint8_t>(bytes[i]), static_cast<std::uint8_t>(bytes[i + 1]),
                                        static_cast<std::uint8_t>(bytes[i + 2])});
    return picture;
}

}  // namespace picdec::samples
