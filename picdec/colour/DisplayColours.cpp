#include "picdec/colour/DisplayColours.h"

#include <cmath>
#include <memory>
#include <optional>
#include <vector>

#include "picdec/colour/LcmsHandles.h"
#include "picdec/colour/MatrixShaper.h"
#include "picdec/colour/RowBands.h"

namespace picdec {

namespace {

// A profile of RGB colours from these bytes, or none; of grey levels too
// when greyToo.
LcmsProfile ReadProfile(std::span<const std::uint8_t> bytes, bool greyToo)
{
    LcmsProfile profile = OpenWholeProfile(bytes);
    if (!profile)
        return nullptr;
    // A number, not Little CMS's enumeration: the file may hold any value.
    const auto space = static_cast<std::uint32_t>(cmsGetColorSpace(profile.get()));
    return space == cmsSigRgbData || (greyToo && space == cmsSigGrayData) ? std::move(profile) : nullptr;
}

bool SameColourants(cmsHPROFILE a, cmsHPROFILE b)
{
    for (const cmsTagSignature tag : {cmsSigRedColorantTag, cmsSigGreenColorantTag, cmsSigBlueColorantTag}) {
        const auto* p = static_cast<const cmsCIEXYZ*>(cmsReadTag(a, tag));
        const auto* q = static_cast<const cmsCIEXYZ*>(cmsReadTag(b, tag));
        constexpr double kClose = 0.002;  // the rounding of the profiles' fixed-point numbers, and more
        if (!p || !q || std::abs(p->X - q->X) > kClose || std::abs(p->Y - q->Y) > kClose ||
            std::abs(p->Z - q->Z) > kClose)
            return false;
    }
    return true;
}

bool SameCurves(cmsHPROFILE a, cmsHPROFILE b)
{
    for (const cmsTagSignature tag : {cmsSigRedTRCTag, cmsSigGreenTRCTag, cmsSigBlueTRCTag}) {
        const auto* p = static_cast<const cmsToneCurve*>(cmsReadTag(a, tag));
        const auto* q = static_cast<const cmsToneCurve*>(cmsReadTag(b, tag));
        if (!p || !q)
            return false;
        for (int step = 0; step <= 32; ++step) {
            const float v = static_cast<float>(step) / 32;
            if (std::abs(cmsEvalToneCurveFloat(p, v) - cmsEvalToneCurveFloat(q, v)) > 0.5f / 255)
                return false;
        }
    }
    return true;
}

// Profiles of the same colours (most often two makes of sRGB): converting
// between them would only round, so the pixels stay as they are.
bool SameColours(cmsHPROFILE a, cmsHPROFILE b)
{
    return cmsIsMatrixShaper(a) && cmsIsMatrixShaper(b) && SameColourants(a, b) && SameCurves(a, b);
}

LcmsProfile RgbProfileOf(const Chromaticities& c, cmsToneCurve* curve)
{
    const cmsCIExyY white{c.white[0], c.white[1], 1};
    const cmsCIExyYTRIPLE primaries{{c.primaries[0][0], c.primaries[0][1], 1},
                                    {c.primaries[1][0], c.primaries[1][1], 1},
                                    {c.primaries[2][0], c.primaries[2][1], 1}};
    cmsToneCurve* curves[3] = {curve, curve, curve};
    return LcmsProfile(cmsCreateRGBProfile(&white, &primaries, curves));
}

// The profile PNG's gAMA and cHRM describe.
LcmsProfile CalibratedProfile(const ColourSource& source)
{
    const cmsFloat64Number srgbCurve[] = {2.4, 1 / 1.055, 0.055 / 1.055, 1 / 12.92, 0.04045};
    cmsToneCurve* curve = source.gamma > 0 ? cmsBuildGamma(nullptr, 1 / source.gamma)
                                           : cmsBuildParametricToneCurve(nullptr, 4, srgbCurve);
    if (!curve)
        return nullptr;
    LcmsProfile profile = RgbProfileOf(source.chromaticities ? *source.chromaticities : kSrgbChromaticities, curve);
    cmsFreeToneCurve(curve);
    return profile;
}

// A profile of grey levels becomes its curve for each of red, green and blue,
// of sRGB's primaries: the same for grey pixels, and sound for a picture of
// colours that carries one.
LcmsProfile EmbeddedProfile(const IccProfile& icc)
{
    LcmsProfile profile = ReadProfile(icc, true);
    if (!profile || cmsGetColorSpace(profile.get()) != cmsSigGrayData)
        return profile;
    auto* curve = static_cast<cmsToneCurve*>(cmsReadTag(profile.get(), cmsSigGrayTRCTag));
    return curve ? RgbProfileOf(kSrgbChromaticities, curve) : nullptr;
}

LcmsProfile SourceProfile(const ColourSource& source)
{
    return source.icc.empty() ? CalibratedProfile(source) : EmbeddedProfile(source.icc);
}

// Converts rows of a bitmap: by tables where both profiles are matrix-shaper
// ones, else through a Little CMS transform.
class RowConverter {
public:
    // few: a palette's colours, which are worth Little CMS's precision
    // rather than its speed.
    RowConverter(cmsHPROFILE from, cmsHPROFILE to, bool few) : shaper_(MatrixShaper::Between(from, to))
    {
        if (!shaper_)
            transform_.reset(
                cmsCreateTransform(from, TYPE_BGR_8, to, TYPE_BGR_8, INTENT_PERCEPTUAL, few ? cmsFLAGS_NOOPTIMIZE : 0));
    }

    bool Works() const { return shaper_ || transform_; }

    void ConvertRows(const DibView& bitmap, std::uint32_t first, std::uint32_t count) const
    {
        const std::size_t stride = bitmap.Stride();
        std::uint8_t* rows = bitmap.bits + static_cast<std::size_t>(first) * stride;
        if (shaper_) {
            for (std::uint32_t y = 0; y < count; ++y)
                shaper_->ConvertRow(rows + y * stride, bitmap.width);
            return;
        }
        const auto bytes = static_cast<cmsUInt32Number>(stride);
        cmsDoTransformLineStride(transform_.get(), rows, rows, bitmap.width, count, bytes, bytes, 0, 0);
    }

private:
    std::optional<MatrixShaper> shaper_;
    LcmsTransform transform_;
};

// Nothing where the picture's colours are the display's already.
std::unique_ptr<RowConverter> ConverterFor(const ColourSource& source, std::span<const std::uint8_t> display,
                                           bool palette)
{
    const LcmsProfile from = SourceProfile(source);
    if (!from)
        return nullptr;
    LcmsProfile to = ReadProfile(display, false);
    if (!to)
        to.reset(cmsCreate_sRGBProfile());
    if (!to || SameColours(from.get(), to.get()))
        return nullptr;
    auto converter = std::make_unique<RowConverter>(from.get(), to.get(), palette);
    return converter->Works() ? std::move(converter) : nullptr;
}

constexpr std::uint32_t kRowsPerBand = 64;

}  // namespace

void ConvertToDisplayColours(const DibView& bitmap, const ColourSource& source,
                             std::span<const std::uint8_t> display)
{
    if (source.SaysNothing() || bitmap.bitsPerPixel != 24)
        return;
    const std::unique_ptr<RowConverter> converter = ConverterFor(source, display, false);
    if (!converter)
        return;
    InRowBands(bitmap.height, kRowsPerBand,
               [&](std::uint32_t first, std::uint32_t count) { converter->ConvertRows(bitmap, first, count); });
}

void ConvertPaletteToDisplayColours(Palette& palette, const ColourSource& source, std::span<const std::uint8_t> display)
{
    if (source.SaysNothing() || palette.empty())
        return;
    const std::unique_ptr<RowConverter> converter = ConverterFor(source, display, true);
    if (!converter)
        return;
    DibView row{nullptr, static_cast<std::uint32_t>(palette.size()), 1, 24};
    std::vector<std::uint8_t> bgr(row.Stride());
    for (std::size_t i = 0; i < palette.size(); ++i) {
        bgr[i * 3] = palette[i].blue;
        bgr[i * 3 + 1] = palette[i].green;
        bgr[i * 3 + 2] = palette[i].red;
    }
    row.bits = bgr.data();
    converter->ConvertRows(row, 0, 1);
    for (std::size_t i = 0; i < palette.size(); ++i)
        palette[i] = Colour{bgr[i * 3 + 2], bgr[i * 3 + 1], bgr[i * 3]};
}

}  // namespace picdec
