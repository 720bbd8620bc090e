#include "picdec/colour/InkColours.h"

#include <algorithm>
#include <mutex>
#include <vector>

#include "picdec/colour/DefaultCmykProfile.h"

namespace picdec {

namespace {

LcmsProfile CmykProfile(std::span<const std::uint8_t> bytes)
{
    LcmsProfile profile = OpenWholeProfile(bytes);
    return profile && cmsGetColorSpace(profile.get()) == cmsSigCmykData ? std::move(profile) : nullptr;
}

// A table of 33 steps an ink: fewer (Little CMS's 17) would put shades off by
// up to 13 levels against the profile's own numbers; this one is within 4.
#ifdef FUZZING_BUILD_MODE_UNSAFE_FOR_PRODUCTION
constexpr cmsUInt32Number kInkSteps = 5;  // the same code, with tables built in no time
#else
constexpr cmsUInt32Number kInkSteps = 33;
#endif
constexpr cmsUInt32Number kTransformFlags = cmsFLAGS_GRIDPOINTS(kInkSteps) | cmsFLAGS_NOCACHE;  // no cache: shared by threads

LcmsTransform InksToSrgb(std::span<const std::uint8_t> profile, bool inverted)
{
    LcmsProfile inks = CmykProfile(profile);
    if (!inks)
        inks = CmykProfile(DefaultCmykProfile());
    const LcmsProfile srgb(cmsCreate_sRGBProfile());
    if (!inks || !srgb)
        return nullptr;
    // The colours as printed, with the paper's white shown as white.
    return LcmsTransform(cmsCreateTransform(inks.get(), inverted ? TYPE_CMYK_8_REV : TYPE_CMYK_8, srgb.get(),
                                            TYPE_BGR_8, INTENT_RELATIVE_COLORIMETRIC, kTransformFlags));
}

struct KeptTransform {
    std::vector<std::uint8_t> profile;
    bool inverted = false;
    std::shared_ptr<void> transform;
};

// Such a table takes a third of a second to build, and the pictures of a
// folder mostly share their profile (or have none): the last one is kept.
std::shared_ptr<void> SharedInksToSrgb(std::span<const std::uint8_t> profile, bool inverted)
{
    static std::mutex lock;
    static KeptTransform kept;
    const std::lock_guard<std::mutex> guard(lock);
    if (kept.transform && kept.inverted == inverted && std::ranges::equal(kept.profile, profile))
        return kept.transform;
    std::shared_ptr<void> made(InksToSrgb(profile, inverted));
    if (made)
        kept = {std::vector<std::uint8_t>(profile.begin(), profile.end()), inverted, made};
    return made;
}

// Without a transform (no memory for one): the inks taken as plain
// subtractions from white.
void SubtractInks(const std::uint8_t* inks, std::uint32_t width, bool inverted, std::uint8_t* bgr)
{
    const unsigned flip = inverted ? 0 : 255;
    for (std::uint32_t x = 0; x < width; ++x, inks += 4, bgr += 3) {
        const unsigned black = inks[3] ^ flip;
        bgr[0] = static_cast<std::uint8_t>(((inks[2] ^ flip) * black + 127) / 255);
        bgr[1] = static_cast<std::uint8_t>(((inks[1] ^ flip) * black + 127) / 255);
        bgr[2] = static_cast<std::uint8_t>(((inks[0] ^ flip) * black + 127) / 255);
    }
}

}  // namespace

InkColours::InkColours(std::span<const std::uint8_t> profile, bool inverted)
    : transform_(SharedInksToSrgb(profile, inverted)), inverted_(inverted)
{
}

void InkColours::ConvertRow(const std::uint8_t* inks, std::uint32_t width, std::uint8_t* bgr) const
{
    if (transform_)
        cmsDoTransform(transform_.get(), inks, bgr, width);
    else
        SubtractInks(inks, width, inverted_, bgr);
}

}  // namespace picdec
