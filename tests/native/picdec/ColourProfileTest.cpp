// Pictures that carry an Adobe RGB or Display P3 profile show the colours the
// profile describes, in sRGB. The expected pixels are worked out here from
// the spaces' published primaries and curves; Little CMS only writes the
// profiles, as a camera would embed them.
#include <lcms2.h>

#include <array>
#include <cmath>
#include <fstream>
#include <iterator>
#include <ranges>
#include <tuple>

#include "DecodeHelpers.h"
#include "picdec/colour/MatrixShaper.h"
#include "picdec/formats/JpegIccProfile.h"
#include "tests/native/picdec/writers/IccProfiles.h"

namespace picdec::samples {
namespace {

using Matrix = std::array<std::array<double, 3>, 3>;

struct RgbSpace {
    const char* name;
    double primaries[3][2];  // x, y of red, green, blue; white is D65
    double gamma;            // 0: the sRGB curve
};

constexpr RgbSpace kAdobeRgb{"Adobe RGB", {{0.64, 0.33}, {0.21, 0.71}, {0.15, 0.06}}, 563.0 / 256};
constexpr RgbSpace kDisplayP3{"Display P3", {{0.680, 0.320}, {0.265, 0.690}, {0.150, 0.060}}, 0};
constexpr RgbSpace kSrgb{"sRGB", {{0.64, 0.33}, {0.30, 0.60}, {0.15, 0.06}}, 0};
constexpr double kWhite[2] = {0.3127, 0.3290};

IccProfile ProfileOf(const RgbSpace& space, int tabulatedPoints = 0)
{
    return RgbSpaceProfile(space.primaries, space.gamma, tabulatedPoints);
}

// Linear RGB to XYZ: the primaries scaled so that (1, 1, 1) is white.
Matrix ToXyz(const RgbSpace& space)
{
    Matrix m{};
    for (int c = 0; c < 3; ++c) {
        const double x = space.primaries[c][0], y = space.primaries[c][1];
        m[0][c] = x / y, m[1][c] = 1, m[2][c] = (1 - x - y) / y;
    }
    const double w[3] = {kWhite[0] / kWhite[1], 1, (1 - kWhite[0] - kWhite[1]) / kWhite[1]};
    // Solve m * s = w by Cramer's rule.
    auto det = [](const Matrix& a) {
        return a[0][0] * (a[1][1] * a[2][2] - a[1][2] * a[2][1]) - a[0][1] * (a[1][0] * a[2][2] - a[1][2] * a[2][0]) +
               a[0][2] * (a[1][0] * a[2][1] - a[1][1] * a[2][0]);
    };
    const double d = det(m);
    Matrix scaled = m;
    for (int c = 0; c < 3; ++c) {
        Matrix replaced = m;
        for (int r = 0; r < 3; ++r)
            replaced[r][c] = w[r];
        const double s = det(replaced) / d;
        for (int r = 0; r < 3; ++r)
            scaled[r][c] = m[r][c] * s;
    }
    return scaled;
}

Matrix Inverse(const Matrix& a)
{
    Matrix inverse{};
    const double d = a[0][0] * (a[1][1] * a[2][2] - a[1][2] * a[2][1]) -
                     a[0][1] * (a[1][0] * a[2][2] - a[1][2] * a[2][0]) + a[0][2] * (a[1][0] * a[2][1] - a[1][1] * a[2][0]);
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c) {
            const int r1 = (c + 1) % 3, r2 = (c + 2) % 3, c1 = (r + 1) % 3, c2 = (r + 2) % 3;
            inverse[r][c] = (a[r1][c1] * a[r2][c2] - a[r1][c2] * a[r2][c1]) / d;
        }
    return inverse;
}

double Linear(double v, double gamma)
{
    if (gamma > 0)
        return std::pow(v, gamma);
    return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
}

std::uint8_t SrgbEncoded(double v)
{
    v = std::clamp(v, 0.0, 1.0);
    const double e = v <= 0.0031308 ? v * 12.92 : 1.055 * std::pow(v, 1 / 2.4) - 0.055;
    return static_cast<std::uint8_t>(std::lround(e * 255));
}

RgbPicture InSrgb(const RgbPicture& picture, const RgbSpace& from)
{
    const Matrix toXyz = ToXyz(from), toSrgb = Inverse(ToXyz(kSrgb));
    return Painted(picture.width, picture.height, [&](std::uint32_t x, std::uint32_t y) {
        const Colour c = picture.At(x, y);
        const double rgb[3] = {Linear(c.red / 255.0, from.gamma), Linear(c.green / 255.0, from.gamma),
                               Linear(c.blue / 255.0, from.gamma)};
        double xyz[3] = {}, out[3] = {};
        for (int r = 0; r < 3; ++r)
            for (int k = 0; k < 3; ++k)
                xyz[r] += toXyz[r][k] * rgb[k];
        for (int r = 0; r < 3; ++r)
            for (int k = 0; k < 3; ++k)
                out[r] += toSrgb[r][k] * xyz[k];
        return Colour{SrgbEncoded(out[0]), SrgbEncoded(out[1]), SrgbEncoded(out[2])};
    });
}

// Saturated and pale colours, and the greys between black and white.
RgbPicture WideColours()
{
    return Painted(48, 40, [](std::uint32_t x, std::uint32_t y) {
        const auto level = [](std::uint32_t v) { return static_cast<std::uint8_t>(v * 255 / 47); };
        if (y < 8)
            return Colour{level(x), level(x), level(x)};
        return Colour{level(x), static_cast<std::uint8_t>(y * 6), static_cast<std::uint8_t>(255 - x * 5)};
    });
}

PngPlan PngOf(const RgbPicture& picture, IccProfile profile)
{
    PngPlan plan{.width = picture.width, .height = picture.height, .iccProfile = std::move(profile)};
    for (std::uint32_t y = 0; y < picture.height; ++y) {
        Row row;
        for (std::uint32_t x = 0; x < picture.width; ++x)
            row.insert(row.end(), {picture.At(x, y).red, picture.At(x, y).green, picture.At(x, y).blue});
        plan.rows.push_back(row);
    }
    return plan;
}

// A picture file with or without the profile.
using Writer = File (*)(const RgbPicture&, const IccProfile&);

File Jpeg(const RgbPicture& picture, const IccProfile& profile)
{
    return JpegFile(picture, {.quality = 100, .iccProfile = profile});
}

File JpegInPieces(const RgbPicture& picture, const IccProfile& profile)
{
    return JpegFile(picture, {.quality = 100, .iccProfile = profile, .iccPieceBytes = profile.size() / 3 + 1});
}

File Png(const RgbPicture& picture, const IccProfile& profile) { return PngFile(PngOf(picture, profile)); }

File Tiff(const RgbPicture& picture, const IccProfile& profile)
{
    return TiffFile({.width = picture.width, .height = picture.height, .samplesPerPixel = 3, .photometric = 2,
                     .rows = PngOf(picture, {}).rows, .iccProfile = profile});
}

File Webp(const RgbPicture& picture, const IccProfile& profile)
{
    return WebpFile({.width = picture.width, .height = picture.height, .lossless = true,
                     .rows = PngOf(picture, {}).rows, .iccProfile = profile});
}

#if LUMO_HEIF_WRITER
HeifPlan HeifOf(const RgbPicture& picture, const IccProfile& profile)
{
    HeifPlan plan{.width = picture.width, .height = picture.height, .iccProfile = profile};
    for (const Row& row : PngOf(picture, {}).rows)
        plan.rows.emplace_back(row.begin(), row.end());
    return plan;
}

File Avif(const RgbPicture& picture, const IccProfile& profile)
{
    HeifPlan plan = HeifOf(picture, profile);
    plan.av1 = plan.lossless = true;
    return HeifFile(plan);
}

File Heic(const RgbPicture& picture, const IccProfile& profile) { return HeifFile(HeifOf(picture, profile)); }
#endif

TEST(ColourProfiles, PicturesInAdobeRgbAndDisplayP3ShowTheirColoursInSrgb)
{
    const RgbPicture picture = WideColours();
    const std::pair<const char*, Writer> writers[] = {
        {"JPEG", Jpeg}, {"JPEG, profile in 3 pieces", JpegInPieces}, {"PNG", Png}, {"TIFF", Tiff}, {"WebP", Webp},
#if LUMO_HEIF_WRITER
        {"AVIF", Avif}, {"HEIC", Heic},
#endif
    };
    for (const auto& [format, write] : writers)
        for (const RgbSpace& space : {kAdobeRgb, kDisplayP3}) {
            SCOPED_TRACE(testing::Message() << format << ", " << space.name);
            const Decoded untagged = DecodeFile(write(picture, {}));
            const Decoded tagged = DecodeFile(write(picture, ProfileOf(space)));
            ASSERT_EQ(untagged.status, Status::Ok);
            ASSERT_EQ(tagged.status, Status::Ok);
            EXPECT_LE(LargestDifference(tagged.bitmap, InSrgb(Shown(untagged.bitmap), space)), 2);
            EXPECT_GT(LargestDifference(tagged.bitmap, Shown(untagged.bitmap)), 20);  // the profile did something
        }
}

// Without a profile, a PNG's gAMA and cHRM say what its samples mean (libpng
// writes neither beside an sRGB chunk); gAMA 1/2.2 with sRGB's
// chromaticities, as ImageMagick writes on every PNG, is sRGB.
TEST(ColourProfiles, APngsGammaAndChromaticitiesShowWhereItHasNoProfile)
{
    const RgbPicture picture = WideColours();
    const std::vector<double> srgb{0.3127, 0.3290, 0.64, 0.33, 0.30, 0.60, 0.15, 0.06};
    const std::vector<double> adobe{0.3127, 0.3290, 0.64, 0.33, 0.21, 0.71, 0.15, 0.06};
    constexpr RgbSpace kLinearSrgb{"linear sRGB", {{0.64, 0.33}, {0.30, 0.60}, {0.15, 0.06}}, 1.0};
    constexpr RgbSpace kAdobeGamma22{"Adobe RGB primaries, gamma 2.2", {{0.64, 0.33}, {0.21, 0.71}, {0.15, 0.06}}, 2.2};
    struct Case {
        const char* name;
        double gamma;
        std::vector<double> chromaticities;
        bool srgbChunk;
        const RgbSpace* space;  // nullptr: shown unchanged
    };
    const Case cases[] = {
        {"gAMA 1.0", 1.0, {}, false, &kLinearSrgb},
        {"gAMA 1/2.2, Adobe RGB's cHRM", 1 / 2.2, adobe, false, &kAdobeGamma22},
        {"gAMA 1/2.2, sRGB's cHRM", 0.45455, srgb, false, nullptr},
        {"an sRGB chunk", 0, {}, true, nullptr},
    };
    const Decoded plain = DecodeFile(Png(picture, {}));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PngPlan plan = PngOf(picture, {});
        plan.gamma = c.gamma, plan.chromaticities = c.chromaticities, plan.srgbChunk = c.srgbChunk;
        const Decoded decoded = DecodeFile(PngFile(plan));
        ASSERT_EQ(decoded.status, Status::Ok);
        EXPECT_LE(LargestDifference(decoded.bitmap, c.space ? InSrgb(picture, *c.space) : picture), c.space ? 2 : 0);
    }
    EXPECT_EQ(LargestDifference(plain.bitmap, picture), 0);
}

// A paletted picture's palette, and a grey one's levels, show as the
// picture's profile or gAMA says.
TEST(ColourProfiles, PalettesAndGreyLevelsShowAsTheirProfileSays)
{
    constexpr RgbSpace kLinearSrgb{"linear sRGB", {{0.64, 0.33}, {0.30, 0.60}, {0.15, 0.06}}, 1.0};
    const RgbPicture wide = WideColours();
    const RgbPicture colours{16, 1, {wide.pixels.begin() + 400, wide.pixels.begin() + 416}};
    const PngPlan paletted{.width = 24, .height = 8, .colourType = 3, .rows = PatternRows(24, 8, 8, 16),
                           .palette = colours.pixels, .iccProfile = ProfileOf(kAdobeRgb)};
    const Decoded decoded = DecodeFile(PngFile(paletted));
    ASSERT_EQ(decoded.status, Status::Ok);
    EXPECT_EQ(decoded.bitmap.View().bitsPerPixel, 8);
    EXPECT_LE(LargestDifference(decoded.bitmap, IndexedPicture(24, 8, InSrgb(colours, kAdobeRgb).pixels)), 2);

    // Linear grey levels, by a grey profile and by gAMA 1.0, in a PNG and in a JPEG.
    const RgbPicture ramp = Painted(256, 2, [](std::uint32_t x, std::uint32_t) {
        return Colour{static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(x)};
    });
    Row levels(256);
    std::ranges::copy(std::views::iota(0, 256), levels.begin());
    const PngPlan grey{.width = 256, .height = 2, .colourType = 0, .rows = {levels, levels}};
    PngPlan greyByProfile = grey, greyByGamma = grey;
    greyByProfile.iccProfile = GreyProfile(1.0);
    greyByGamma.gamma = 1.0;
    const File jpeg = JpegFile(ramp, {.quality = 100, .grey = true});
    const File jpegByProfile = JpegFile(ramp, {.quality = 100, .grey = true, .iccProfile = GreyProfile(1.0)});
    const struct { const char* name; File file; RgbPicture stored; } cases[] = {
        {"PNG, grey profile", PngFile(greyByProfile), ramp},
        {"PNG, gAMA 1.0", PngFile(greyByGamma), ramp},
        {"JPEG, grey profile", jpegByProfile, Shown(DecodeFile(jpeg).bitmap)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Decoded shown = DecodeFile(c.file);
        ASSERT_EQ(shown.status, Status::Ok);
        EXPECT_EQ(shown.bitmap.View().bitsPerPixel, 8);
        EXPECT_LE(LargestDifference(shown.bitmap, InSrgb(c.stored, kLinearSrgb)), 1);
    }
}

#if LUMO_HEIF_WRITER
// An AVIF without a profile describes its colours by code points: Display P3
// shows in sRGB; sRGB, and PQ (which an sRGB display cannot show as meant),
// show as stored.
TEST(ColourProfiles, AnAvifsCodePointsShowWhereItHasNoProfile)
{
    const RgbPicture picture = WideColours();
    const std::tuple<const char*, int, int, const RgbSpace*> cases[] = {
        {"Display P3, sRGB curve", 12, 13, &kDisplayP3},
        {"BT.709, sRGB curve", 1, 13, nullptr},
        {"BT.2020, PQ", 9, 16, nullptr},
    };
    for (const auto& [name, primaries, transfer, space] : cases) {
        SCOPED_TRACE(name);
        HeifPlan plan = HeifOf(picture, {});
        plan.av1 = plan.lossless = true;
        plan.colourPrimaries = primaries, plan.transfer = transfer;
        const Decoded decoded = DecodeFile(HeifFile(plan));
        ASSERT_EQ(decoded.status, Status::Ok);
        EXPECT_LE(LargestDifference(decoded.bitmap, space ? InSrgb(picture, *space) : picture), space ? 2 : 0);
    }
}
#endif

// A profile that is not whole, or that Little CMS cannot read, is passed over:
// the picture shows as sRGB, and the read does not fail.
TEST(ColourProfiles, ADamagedProfileShowsThePictureAsSrgb)
{
    const RgbPicture picture = WideColours();
    const IccProfile whole = ProfileOf(kAdobeRgb);
    IccProfile cut(whole.begin(), whole.end() - 1);
    IccProfile scrambled = whole;  // the tag table kept, what the tags hold made noise
    const std::size_t tags = static_cast<std::size_t>(whole[130]) << 8 | whole[131];
    for (std::size_t i = 132 + 12 * tags; i < scrambled.size(); ++i)
        scrambled[i] = static_cast<std::uint8_t>(i * 31);
    // libpng itself refuses to write or read a profile of the wrong length.
    const std::tuple<const char*, Writer, IccProfile> cases[] = {
        {"JPEG, cut", Jpeg, cut}, {"JPEG, noise in its tags", Jpeg, scrambled}, {"PNG, noise in its tags", Png, scrambled}};
    for (const auto& [name, write, profile] : cases) {
        SCOPED_TRACE(name);
        const Decoded untagged = DecodeFile(write(picture, {}));
        const Decoded damaged = DecodeFile(write(picture, profile));
        ASSERT_EQ(damaged.status, Status::Ok);
        EXPECT_EQ(LargestDifference(damaged.bitmap, Shown(untagged.bitmap)), 0);
    }
}

// Profiles the fuzzer made, of a colour space that is no known number and of
// curves that give no number: the pictures that carry them load.
TEST(ColourProfiles, HostileProfilesLoadWithoutFault)
{
    const RgbPicture picture = WideColours();
    for (const char* name : {"regression-colour-space-number.icc", "regression-curve-not-a-number.icc"}) {
        SCOPED_TRACE(name);
        std::ifstream in(std::string(LUMO_FUZZ_CORPUS) + "/icc/" + name, std::ios::binary);
        const IccProfile profile{std::istreambuf_iterator<char>(in), {}};
        ASSERT_FALSE(profile.empty());
        for (const Writer write : {Jpeg, Tiff})  // libpng writes no such profile
            EXPECT_EQ(DecodeFile(write(picture, profile)).status, Status::Ok);
        EXPECT_EQ(DecodeFile(JpegFile(picture, {.grey = true, .iccProfile = profile})).status, Status::Ok);
    }
}

// Three makes of sRGB profile: the pixels are the untagged picture's, exactly.
TEST(ColourProfiles, AnSrgbPictureShowsItsPixelsUnchanged)
{
    const RgbPicture picture = WideColours();
    for (const IccProfile& srgb : {SrgbProfile(), ProfileOf(kSrgb), ProfileOf(kSrgb, 1024)})
        for (const Writer write : {Writer{Jpeg}, Writer{Png}}) {
            const Decoded untagged = DecodeFile(write(picture, {}));
            const Decoded tagged = DecodeFile(write(picture, srgb));
            ASSERT_EQ(tagged.status, Status::Ok);
            EXPECT_EQ(LargestDifference(tagged.bitmap, Shown(untagged.bitmap)), 0);
        }
}

// The tables of two matrix-shaper profiles give what Little CMS's own
// transform gives, within one step, for colours across the whole cube.
TEST(ColourProfiles, TheMatrixShaperTablesAgreeWithLittleCms)
{
    const std::pair<RgbSpace, RgbSpace> pairs[] = {{kAdobeRgb, kSrgb}, {kDisplayP3, kSrgb}, {kSrgb, kDisplayP3}};
    for (const auto& [from, to] : pairs) {
        SCOPED_TRACE(testing::Message() << from.name << " to " << to.name);
        const IccProfile a = ProfileOf(from), b = ProfileOf(to);
        cmsHPROFILE source = cmsOpenProfileFromMem(a.data(), static_cast<cmsUInt32Number>(a.size()));
        cmsHPROFILE target = cmsOpenProfileFromMem(b.data(), static_cast<cmsUInt32Number>(b.size()));
        const std::optional<MatrixShaper> shaper = MatrixShaper::Between(source, target);
        cmsHTRANSFORM transform = cmsCreateTransform(source, TYPE_BGR_8, target, TYPE_BGR_8, INTENT_PERCEPTUAL, 0);
        ASSERT_TRUE(shaper.has_value());
        std::vector<std::uint8_t> ours, theirs;
        for (int b8 = 0; b8 < 256; b8 += 5)
            for (int g = 0; g < 256; g += 5)
                for (int r = 0; r < 256; r += 5)
                    ours.insert(ours.end(), {static_cast<std::uint8_t>(b8), static_cast<std::uint8_t>(g),
                                             static_cast<std::uint8_t>(r)});
        theirs = ours;
        shaper->ConvertRow(ours.data(), static_cast<std::uint32_t>(ours.size() / 3));
        cmsDoTransform(transform, theirs.data(), theirs.data(), static_cast<cmsUInt32Number>(theirs.size() / 3));
        int largest = 0;
        for (std::size_t i = 0; i < ours.size(); ++i)
            largest = std::max(largest, std::abs(ours[i] - theirs[i]));
        EXPECT_LE(largest, 1);
        cmsDeleteTransform(transform);
        cmsCloseProfile(source);
        cmsCloseProfile(target);
    }
}

// A JPEG's profile comes in numbered pieces, which may be stored in any
// order; a piece missing, repeated or miscounted leaves the picture sRGB.
TEST(ColourProfiles, AJpegProfileIsTakenOnlyWithAllItsPieces)
{
    const IccProfile whole = ProfileOf(kDisplayP3);
    const std::size_t third = whole.size() / 3 + 1;
    auto piece = [&](int number, int count) {
        const std::size_t from = std::min(whole.size(), static_cast<std::size_t>(number - 1) * third);
        const std::size_t to = std::min(whole.size(), from + third);
        File segment{0xFF, 0xE2, 0, 0, 'I', 'C', 'C', '_', 'P', 'R', 'O', 'F', 'I', 'L', 'E', 0,
                     static_cast<std::uint8_t>(number), static_cast<std::uint8_t>(count)};
        segment.insert(segment.end(), whole.begin() + static_cast<std::ptrdiff_t>(number > 0 ? from : 0),
                       whole.begin() + static_cast<std::ptrdiff_t>(number > 0 ? to : third));
        const std::size_t length = segment.size() - 2;
        segment[2] = static_cast<std::uint8_t>(length >> 8), segment[3] = static_cast<std::uint8_t>(length);
        return segment;
    };
    const std::tuple<const char*, std::vector<std::pair<int, int>>, bool> cases[] = {
        {"in order", {{1, 3}, {2, 3}, {3, 3}}, true},
        {"out of order", {{3, 3}, {1, 3}, {2, 3}}, true},
        {"one missing", {{1, 3}, {3, 3}}, false},
        {"one repeated", {{1, 3}, {2, 3}, {2, 3}, {3, 3}}, false},
        {"counts disagree", {{1, 3}, {2, 4}, {3, 3}}, false},
        {"numbered 0", {{0, 3}, {1, 3}, {2, 3}, {3, 3}}, false},
    };
    for (const auto& [name, pieces, taken] : cases) {
        File file{0xFF, 0xD8};
        for (const auto& [number, count] : pieces) {
            const File segment = piece(number, count);
            file.insert(file.end(), segment.begin(), segment.end());
        }
        file.insert(file.end(), {0xFF, 0xDA, 0, 2});
        EXPECT_EQ(JpegIccProfile(file), taken ? whole : IccProfile{}) << name;
    }
}

}  // namespace
}  // namespace picdec::samples
