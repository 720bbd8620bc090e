// The preview's smooth fit: a 24-megapixel photo (6000 x 4000, 24 bits)
// shrunk by area averaging to the preview box, 352 x 264.

#include <benchmark/benchmark.h>

#include <vector>

#include "BenchPictures.h"
#include "picture/AreaAverage.h"

namespace picdec::bench {
namespace {

constexpr int kWidth = 6000;
constexpr int kHeight = 4000;

const std::vector<std::uint8_t>& PhotoRows()
{
    static const std::vector<std::uint8_t> rows = [] {
        const samples::RgbPicture& photo = Photo(kWidth, kHeight);
        std::vector<std::uint8_t> bgr(std::size_t(kWidth) * kHeight * 3);
        std::uint8_t* p = bgr.data();
        for (const Colour& c : photo.pixels)
            *p++ = c.blue, *p++ = c.green, *p++ = c.red;
        return bgr;
    }();
    return rows;
}

void BM_AreaAverage24MP_To352x264(benchmark::State& state)
{
    const std::vector<std::uint8_t>& rows = PhotoRows();
    for (auto _ : state)
        benchmark::DoNotOptimize(AreaAverage(rows.data(), kWidth * 3, kWidth, kHeight, 352, 264, 3));
    state.counters["megapixels_per_s"] =
        benchmark::Counter(double(kWidth) * kHeight / 1e6, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_AreaAverage24MP_To352x264)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace picdec::bench
