// Reduction of a 12-megapixel photo to 256 colours with Floyd-Steinberg
// dithering: ours against ImageMagick, each with its mean squared error
// against the original (counter "mse").

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "BenchPictures.h"
#include "ExternalCommand.h"
#include "picdec/ConvertDepth.h"
#include "picdec/MemoryBitmap.h"
#include "picdec/ReadPicture.h"

namespace picdec::bench {
namespace {

constexpr std::uint32_t kWidth = 4000;
constexpr std::uint32_t kHeight = 3000;

double MeanSquaredError(const MemoryBitmap& bitmap)
{
    const samples::RgbPicture& photo = Photo(kWidth, kHeight);
    double sum = 0;
    for (std::uint32_t y = 0; y < kHeight; ++y) {
        for (std::uint32_t x = 0; x < kWidth; ++x) {
            const Colour a = bitmap.PixelColour(x, y);
            const Colour b = photo.At(x, y);
            const int d[3] = {a.red - b.red, a.green - b.green, a.blue - b.blue};
            sum += d[0] * d[0] + d[1] * d[1] + d[2] * d[2];
        }
    }
    return sum / (3.0 * kWidth * kHeight);
}

const MemoryBitmap& PhotoBitmap()
{
    static const MemoryBitmap bitmap = [] {
        MemoryBitmap result;
        const DibView view = result.CreateBitmap(kWidth, kHeight, 24, {});
        const samples::RgbPicture& photo = Photo(kWidth, kHeight);
        for (std::uint32_t y = 0; y < kHeight; ++y)
            for (std::uint32_t x = 0; x < kWidth; ++x) {
                const Colour c = photo.At(x, y);
                std::uint8_t* p = view.Row(y) + x * 3;
                p[0] = c.blue, p[1] = c.green, p[2] = c.red;
            }
        return result;
    }();
    return bitmap;
}

void BM_Reduce12MP_Ours(benchmark::State& state)
{
    const MemoryBitmap& photo = PhotoBitmap();
    MemoryBitmap reduced;
    for (auto _ : state) {
        reduced = MemoryBitmap{};
        ConvertDepth(photo.View(), {}, 8, true, reduced);
        benchmark::DoNotOptimize(reduced.View().bits);
    }
    state.counters["colours"] = static_cast<double>(reduced.Colours().size());
    state.counters["mse"] = MeanSquaredError(reduced);
}

MemoryBitmap ReadBack(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    MemoryBitmap bitmap;
    ReadPicture(bytes, ReadRequest{}, bitmap);
    return bitmap;
}

void BM_Reduce12MP_ImageMagick(benchmark::State& state)
{
    const BenchFile& ppm = Ppm12Megapixel();
    const std::string out = (std::filesystem::path(ppm.path).parent_path() / "reduced-by-imagemagick.bmp").string();
    const std::string command = "convert '" + ppm.path + "' -dither FloydSteinberg -colors 256 'BMP3:" + out + "'";
    for (auto _ : state) {
        const double seconds = TimeCommand(command);
        if (seconds < 0)
            state.SkipWithError("convert failed");
        state.SetIterationTime(seconds);
    }
    const MemoryBitmap reduced = ReadBack(out);
    state.counters["colours"] = static_cast<double>(reduced.Colours().size());
    state.counters["mse"] = MeanSquaredError(reduced);
}

// What ImageMagick spends only reading the PPM and writing a BMP.
void BM_Reduce12MP_ImageMagickReadWriteOnly(benchmark::State& state)
{
    const BenchFile& ppm = Ppm12Megapixel();
    const std::string out = (std::filesystem::path(ppm.path).parent_path() / "copied-by-imagemagick.bmp").string();
    for (auto _ : state)
        state.SetIterationTime(TimeCommand("convert '" + ppm.path + "' 'BMP3:" + out + "'"));
}

BENCHMARK(BM_Reduce12MP_Ours)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_Reduce12MP_ImageMagick)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(2);
BENCHMARK(BM_Reduce12MP_ImageMagickReadWriteOnly)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(2);

}  // namespace
}  // namespace picdec::bench
