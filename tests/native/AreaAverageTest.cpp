#include "picture/AreaAverage.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace {

struct Shrink { int sw, sh, tw, th; int channels = 3; };

// The mean over the target pixel's area, integrated in floating point.
double ExactMean(const std::vector<std::uint8_t>& source, const Shrink& s, int tx, int ty, int c)
{
    const double x0 = double(tx) * s.sw / s.tw, x1 = double(tx + 1) * s.sw / s.tw;
    const double y0 = double(ty) * s.sh / s.th, y1 = double(ty + 1) * s.sh / s.th;
    double sum = 0;
    for (int y = int(y0); y < int(std::ceil(y1)); ++y)
        for (int x = int(x0); x < int(std::ceil(x1)); ++x)
            sum += (std::min(x1, x + 1.0) - std::max(x0, double(x))) * (std::min(y1, y + 1.0) - std::max(y0, double(y))) *
                   source[(std::size_t(y) * s.sw + x) * s.channels + c];
    return sum / ((x1 - x0) * (y1 - y0));
}

} // namespace

// Within half a step of the exact mean: a flat colour stays exact, fine lines turn grey.
TEST(AreaAverage, GivesTheRoundedMeanOfTheCoveredAreaAtAnyRatio)
{
    std::mt19937 random(7);
    for (const Shrink& s : {Shrink{7, 5, 3, 2, 3}, Shrink{97, 61, 13, 7, 4}, Shrink{1000, 1, 1, 1, 4},
                            Shrink{10, 9, 10, 9, 3}, Shrink{601, 451, 352, 264, 3}}) {
        SCOPED_TRACE(testing::Message() << s.sw << " x " << s.sh << " -> " << s.tw << " x " << s.th);
        std::vector<std::uint8_t> source(std::size_t(s.sw) * s.sh * s.channels);
        for (std::uint8_t& value : source)
            value = std::uint8_t(random());
        const std::vector<std::uint8_t> target =
            AreaAverage(source.data(), std::ptrdiff_t(s.sw) * s.channels, s.sw, s.sh, s.tw, s.th, s.channels);
        ASSERT_EQ(target.size(), std::size_t(s.tw) * s.th * s.channels);
        for (int y = 0; y < s.th; ++y)
            for (int x = 0; x < s.tw; ++x)
                for (int c = 0; c < s.channels; ++c)
                    ASSERT_NEAR(target[(std::size_t(y) * s.tw + x) * s.channels + c], ExactMean(source, s, x, y, c),
                                0.5 + 1e-9)
                        << "at " << x << ", " << y << ", channel " << c;
    }
}

TEST(AreaAverage, OnlyShrinksWithinCheckedSizes)
{
    EXPECT_TRUE(AreaAverager::Fits(AreaAverager::kMaxSide, AreaAverager::kMaxSide, 352, 264));
    EXPECT_FALSE(AreaAverager::Fits(10, 10, 11, 10) || AreaAverager::Fits(10, 10, 5, 0) ||
                 AreaAverager::Fits(AreaAverager::kMaxSide + 1, 10, 352, 5));
    EXPECT_THROW(AreaAverager(10, 10, 5, 5, 2), std::invalid_argument);
}
