#include "picdec/colour/InkColours.h"

#include "picdec/colour/DefaultCmykProfile.h"
#include "picdec/colour/IccProfile.h"

namespace picdec {

namespace {

LcmsProfile CmykProfile(std::span<const std::uint8_t> bytes)
{
    if (!IsWholeIccProfile(bytes))
        return nullptr;
    LcmsProfile profile(cmsOpenProfileFromMem(bytes.data(), static_cast<cmsUInt32Number>(bytes.size())));
    return profile && cmsGetColorSpace(profile.get()) == cmsSigCmykData ? std::move(profile) : nullptr;
}

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
                                            TYPE_BGR_8, INTENT_RELATIVE_COLORIMETRIC, 0));
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
    : transform_(InksToSrgb(profile, inverted)), inverted_(inverted)
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
