#pragma once
// The conversion between two matrix-shaper profiles (three curves and a 3x3
// matrix each: what cameras, displays, sRGB, Adobe RGB and Display P3 are),
// done with tables built from the profiles: the same result as Little CMS
// within one step of 255, in a few nanoseconds a pixel instead of several.

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include <lcms2.h>

namespace picdec {

class MatrixShaper {
public:
    // Nothing when either profile is not a matrix-shaper one of RGB colours,
    // or its matrix cannot be inverted.
    static std::optional<MatrixShaper> Between(cmsHPROFILE from, cmsHPROFILE to);

    // Blue-green-red pixels, in place.
    void ConvertRow(std::uint8_t* bgr, std::uint32_t width) const;

private:
    static constexpr int kLinearSteps = 8192;

    std::array<std::array<float, 256>, 3> linear_{};   // encoded sample -> linear, per channel (red first)
    std::array<std::array<float, 3>, 3> matrix_{};     // linear source -> linear target
    std::array<std::vector<std::uint8_t>, 3> encoded_;  // linear target step -> encoded sample
};

}  // namespace picdec
