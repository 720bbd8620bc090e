#include "picdec/colour/MatrixShaper.h"

#include <cmath>

namespace picdec {

namespace {

using Matrix = std::array<std::array<double, 3>, 3>;

constexpr cmsTagSignature kColourants[3] = {cmsSigRedColorantTag, cmsSigGreenColorantTag, cmsSigBlueColorantTag};
constexpr cmsTagSignature kCurves[3] = {cmsSigRedTRCTag, cmsSigGreenTRCTag, cmsSigBlueTRCTag};

// Linear red, green, blue to the connection space's XYZ: the colourants as columns.
std::optional<Matrix> ToConnectionSpace(cmsHPROFILE profile)
{
    Matrix m{};
    for (int c = 0; c < 3; ++c) {
        const auto* xyz = static_cast<const cmsCIEXYZ*>(cmsReadTag(profile, kColourants[c]));
        if (!xyz)
            return std::nullopt;
        m[0][c] = xyz->X, m[1][c] = xyz->Y, m[2][c] = xyz->Z;
    }
    return m;
}

std::optional<Matrix> Inverse(const Matrix& a)
{
    const double d = a[0][0] * (a[1][1] * a[2][2] - a[1][2] * a[2][1]) -
                     a[0][1] * (a[1][0] * a[2][2] - a[1][2] * a[2][0]) + a[0][2] * (a[1][0] * a[2][1] - a[1][1] * a[2][0]);
    if (!std::isfinite(d) || std::abs(d) < 1e-9)
        return std::nullopt;
    Matrix inverse{};
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c) {
            const int r1 = (c + 1) % 3, r2 = (c + 2) % 3, c1 = (r + 1) % 3, c2 = (r + 2) % 3;
            inverse[r][c] = (a[r1][c1] * a[r2][c2] - a[r1][c2] * a[r2][c1]) / d;
        }
    return inverse;
}

// Within 0 to 1; not a number (as a damaged profile's curve may give) is 0.
float Saturated(float v) { return v > 0 ? (v < 1 ? v : 1) : 0; }

bool IsRgbMatrixShaper(cmsHPROFILE profile)
{
    return cmsGetColorSpace(profile) == cmsSigRgbData && cmsIsMatrixShaper(profile);
}

}  // namespace

std::optional<MatrixShaper> MatrixShaper::Between(cmsHPROFILE from, cmsHPROFILE to)
{
    if (!IsRgbMatrixShaper(from) || !IsRgbMatrixShaper(to))
        return std::nullopt;
    const std::optional<Matrix> source = ToConnectionSpace(from), target = ToConnectionSpace(to);
    const std::optional<Matrix> fromTarget = target ? Inverse(*target) : std::nullopt;
    if (!source || !fromTarget)
        return std::nullopt;
    MatrixShaper shaper;
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c) {
            double sum = 0;
            for (int k = 0; k < 3; ++k)
                sum += (*fromTarget)[r][k] * (*source)[k][c];
            shaper.matrix_[r][c] = static_cast<float>(sum);
        }
    for (int c = 0; c < 3; ++c) {
        const auto* in = static_cast<const cmsToneCurve*>(cmsReadTag(from, kCurves[c]));
        const auto* out = static_cast<const cmsToneCurve*>(cmsReadTag(to, kCurves[c]));
        if (!in || !out)
            return std::nullopt;
        for (int v = 0; v < 256; ++v)
            shaper.linear_[c][v] = cmsEvalToneCurveFloat(in, static_cast<float>(v) / 255);
        cmsToneCurve* reverse = cmsReverseToneCurve(out);
        if (!reverse)
            return std::nullopt;
        shaper.encoded_[c].resize(kLinearSteps + 1);
        for (int step = 0; step <= kLinearSteps; ++step) {
            const float value = cmsEvalToneCurveFloat(reverse, static_cast<float>(step) / kLinearSteps);
            shaper.encoded_[c][step] = static_cast<std::uint8_t>(std::lround(Saturated(value) * 255));
        }
        cmsFreeToneCurve(reverse);
    }
    return shaper;
}

void MatrixShaper::ConvertRow(std::uint8_t* bgr, std::uint32_t width) const
{
    const auto& m = matrix_;
    auto step = [](float v) { return static_cast<int>(Saturated(v) * kLinearSteps + 0.5f); };
    for (std::uint32_t x = 0; x < width; ++x, bgr += 3) {
        const float r = linear_[0][bgr[2]], g = linear_[1][bgr[1]], b = linear_[2][bgr[0]];
        bgr[2] = encoded_[0][step(m[0][0] * r + m[0][1] * g + m[0][2] * b)];
        bgr[1] = encoded_[1][step(m[1][0] * r + m[1][1] * g + m[1][2] * b)];
        bgr[0] = encoded_[2][step(m[2][0] * r + m[2][1] * g + m[2][2] * b)];
    }
}

}  // namespace picdec
