#include "tests/native/picdec/writers/IccProfiles.h"

#include <lcms2.h>

namespace picdec::samples {

namespace {

ProfileBytes Saved(cmsHPROFILE profile)
{
    cmsUInt32Number size = 0;
    cmsSaveProfileToMem(profile, nullptr, &size);
    ProfileBytes bytes(size);
    cmsSaveProfileToMem(profile, bytes.data(), &size);
    cmsCloseProfile(profile);
    return bytes;
}

cmsToneCurve* Curve(double gamma, int tabulatedPoints)
{
    const cmsFloat64Number srgbCurve[] = {2.4, 1 / 1.055, 0.055 / 1.055, 1 / 12.92, 0.04045};
    cmsToneCurve* curve = gamma > 0 ? cmsBuildGamma(nullptr, gamma) : cmsBuildParametricToneCurve(nullptr, 4, srgbCurve);
    if (tabulatedPoints == 0)
        return curve;
    std::vector<cmsUInt16Number> table;  // as many cameras' profiles hold their curves
    for (int i = 0; i < tabulatedPoints; ++i)
        table.push_back(cmsEvalToneCurve16(curve, static_cast<cmsUInt16Number>(i * 65535 / (tabulatedPoints - 1))));
    cmsFreeToneCurve(curve);
    return cmsBuildTabulatedToneCurve16(nullptr, static_cast<cmsUInt32Number>(table.size()), table.data());
}

// Lab (ICC's 16-bit encoding) of the plain inks' sRGB colour.
int SamplePlainInks(const cmsUInt16Number in[], cmsUInt16Number out[], void* srgbToLab)
{
    cmsUInt16Number rgb[3];
    for (int c = 0; c < 3; ++c)
        rgb[c] = static_cast<cmsUInt16Number>((65535.0 - in[c]) * (65535.0 - in[3]) / 65535.0 + 0.5);
    cmsDoTransform(srgbToLab, rgb, out, 1);
    return TRUE;
}

}  // namespace

ProfileBytes RgbSpaceProfile(const double (&primaries)[3][2], double gamma, int tabulatedPoints)
{
    const cmsCIExyY white{0.3127, 0.3290, 1};
    const cmsCIExyYTRIPLE xy{{primaries[0][0], primaries[0][1], 1},
                             {primaries[1][0], primaries[1][1], 1},
                             {primaries[2][0], primaries[2][1], 1}};
    cmsToneCurve* curve = Curve(gamma, tabulatedPoints);
    cmsToneCurve* curves[3] = {curve, curve, curve};
    ProfileBytes bytes = Saved(cmsCreateRGBProfile(&white, &xy, curves));
    cmsFreeToneCurve(curve);
    return bytes;
}

ProfileBytes AdobeRgbProfile()
{
    return RgbSpaceProfile({{0.64, 0.33}, {0.21, 0.71}, {0.15, 0.06}}, 563.0 / 256);
}

ProfileBytes SrgbProfile() { return Saved(cmsCreate_sRGBProfile()); }

ProfileBytes GreyProfile(double gamma)
{
    cmsToneCurve* curve = cmsBuildGamma(nullptr, gamma);
    ProfileBytes bytes = Saved(cmsCreateGrayProfile(cmsD50_xyY(), curve));
    cmsFreeToneCurve(curve);
    return bytes;
}

ProfileBytes PlainInksProfile(int steps)
{
    cmsHPROFILE srgb = cmsCreate_sRGBProfile();
    cmsHPROFILE lab = cmsCreateLab4Profile(nullptr);
    cmsHTRANSFORM srgbToLab = cmsCreateTransform(srgb, TYPE_RGB_16, lab, TYPE_Lab_16, INTENT_RELATIVE_COLORIMETRIC, 0);
    cmsCloseProfile(srgb);
    cmsCloseProfile(lab);

    cmsHPROFILE profile = cmsCreateProfilePlaceholder(nullptr);
    cmsSetProfileVersion(profile, 4.3);
    cmsSetDeviceClass(profile, cmsSigOutputClass);
    cmsSetColorSpace(profile, cmsSigCmykData);
    cmsSetPCS(profile, cmsSigLabData);
    cmsWriteTag(profile, cmsSigMediaWhitePointTag, cmsD50_XYZ());
    cmsPipeline* inksToLab = cmsPipelineAlloc(nullptr, 4, 3);
    cmsStage* table = cmsStageAllocCLut16bit(nullptr, static_cast<cmsUInt32Number>(steps), 4, 3, nullptr);
    cmsStageSampleCLut16bit(table, SamplePlainInks, srgbToLab, 0);
    // Little CMS writes a table between curves (here none that change anything).
    cmsPipelineInsertStage(inksToLab, cmsAT_END, cmsStageAllocToneCurves(nullptr, 4, nullptr));
    cmsPipelineInsertStage(inksToLab, cmsAT_END, table);
    cmsPipelineInsertStage(inksToLab, cmsAT_END, cmsStageAllocToneCurves(nullptr, 3, nullptr));
    cmsWriteTag(profile, cmsSigAToB0Tag, inksToLab);
    cmsPipelineFree(inksToLab);
    cmsDeleteTransform(srgbToLab);
    return Saved(profile);
}

}  // namespace picdec::samples
