// Our decoders against plain library reads (JPEG, PNG, GIF, WebP) and against
// ImageMagick reading the same file (PCX, BMP). Pairs share a name prefix;
// tools/bench.sh prints the ratios of their processor times.

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include "BenchPictures.h"
#include "ExternalCommand.h"
#include "ReferenceDecoders.h"
#include "picdec/MemoryBitmap.h"
#include "picdec/ReadPicture.h"

namespace picdec::bench {
namespace {

// The file mapped into memory, as the DLL reads it through a file mapping.
class MappedFile {
public:
    explicit MappedFile(const std::string& path)
    {
        const int handle = open(path.c_str(), O_RDONLY);
        struct stat info {};
        if (handle < 0 || fstat(handle, &info) != 0) {
            if (handle >= 0)
                close(handle);
            return;
        }
        size_ = static_cast<std::size_t>(info.st_size);
        void* view = mmap(nullptr, size_, PROT_READ, MAP_PRIVATE, handle, 0);
        close(handle);
        data_ = view == MAP_FAILED ? nullptr : static_cast<const std::uint8_t*>(view);
    }
    ~MappedFile()
    {
        if (data_ != nullptr)
            munmap(const_cast<std::uint8_t*>(data_), size_);
    }
    MappedFile(const MappedFile&) = delete;
    MappedFile& operator=(const MappedFile&) = delete;

    Bytes View() const { return data_ != nullptr ? Bytes(data_, size_) : Bytes{}; }

private:
    const std::uint8_t* data_ = nullptr;
    std::size_t size_ = 0;
};

void DecodeOurs(benchmark::State& state, const BenchFile& file)
{
    for (auto _ : state) {
        MemoryBitmap bitmap;
        ReadRequest request;
        const Status status = ReadPicture(file.bytes, request, bitmap);
        if (status != Status::Ok)
            state.SkipWithError("decode failed");
        benchmark::DoNotOptimize(bitmap.View().bits);
    }
}

// From the file, as ImageMagick reads it.
void DecodeOursFromFile(benchmark::State& state, const BenchFile& file)
{
    for (auto _ : state) {
        const MappedFile mapped(file.path);
        MemoryBitmap bitmap;
        if (ReadPicture(mapped.View(), ReadRequest{}, bitmap) != Status::Ok)
            state.SkipWithError("decode failed");
        benchmark::DoNotOptimize(bitmap.View().bits);
    }
}

void ImageMagickReads(benchmark::State& state, const BenchFile& file)
{
    for (auto _ : state) {
        const double seconds = TimeCommand("convert '" + file.path + "' null: 2>/dev/null");
        if (seconds < 0)
            state.SkipWithError("convert failed");
        state.SetIterationTime(seconds);
    }
}

void BM_Jpeg24MP_Ours(benchmark::State& state) { DecodeOurs(state, Jpeg24Megapixel420()); }
void BM_Jpeg24MP_PlainLibjpeg(benchmark::State& state)
{
    const BenchFile& file = Jpeg24Megapixel420();
    for (auto _ : state)
        benchmark::DoNotOptimize(PlainJpegDecode(file.bytes).data());
}

void BM_Png12MP_Ours(benchmark::State& state) { DecodeOurs(state, Png12Megapixel()); }
void BM_Png12MP_PlainLibpng(benchmark::State& state)
{
    const BenchFile& file = Png12Megapixel();
    for (auto _ : state)
        benchmark::DoNotOptimize(PlainPngRead(file.bytes).data());
}

void BM_Gif12MP_Ours(benchmark::State& state) { DecodeOurs(state, Gif12Megapixel()); }
void BM_Gif12MP_PlainGiflib(benchmark::State& state)
{
    const BenchFile& file = Gif12Megapixel();
    for (auto _ : state)
        benchmark::DoNotOptimize(PlainGifRead(file.bytes).data());
}

void BM_Webp12MP_Ours(benchmark::State& state) { DecodeOurs(state, Webp12Megapixel()); }
void BM_Webp12MP_PlainLibwebp(benchmark::State& state)
{
    const BenchFile& file = Webp12Megapixel();
    for (auto _ : state)
        benchmark::DoNotOptimize(PlainWebpDecode(file.bytes).get());
}

void BM_Heic12MP_Ours(benchmark::State& state) { DecodeOurs(state, Heic12Megapixel()); }
void BM_Heic12MP_PlainLibheif(benchmark::State& state)
{
    const BenchFile& file = Heic12Megapixel();
    for (auto _ : state)
        benchmark::DoNotOptimize(PlainHeifDecode(file.bytes));
}

void BM_Avif12MP_Ours(benchmark::State& state) { DecodeOurs(state, Avif12Megapixel()); }
void BM_Avif12MP_PlainLibheif(benchmark::State& state)
{
    const BenchFile& file = Avif12Megapixel();
    for (auto _ : state)
        benchmark::DoNotOptimize(PlainHeifDecode(file.bytes));
}

void BM_Jxl12MP_Ours(benchmark::State& state) { DecodeOurs(state, Jxl12Megapixel()); }
void BM_Jxl12MP_PlainLibjxl(benchmark::State& state)
{
    const BenchFile& file = Jxl12Megapixel();
    for (auto _ : state)
        benchmark::DoNotOptimize(PlainJxlDecode(file.bytes).data());
}

// Loads in wall-clock time: the colour conversion shares the rows among the cores.
void BM_Jpeg24MP_Untagged(benchmark::State& state) { DecodeOurs(state, Jpeg24Megapixel420()); }
void BM_Jpeg24MP_AdobeRgb(benchmark::State& state) { DecodeOurs(state, Jpeg24MegapixelAdobeRgb()); }
void BM_Jpeg24MP_SrgbTagged(benchmark::State& state) { DecodeOurs(state, Jpeg24MegapixelSrgbTagged()); }
void BM_Jpeg24MP_Cmyk(benchmark::State& state) { DecodeOurs(state, Jpeg24MegapixelCmyk()); }

void BM_Pcx12MP_Ours(benchmark::State& state) { DecodeOursFromFile(state, Pcx12Megapixel()); }
void BM_Pcx12MP_ImageMagick(benchmark::State& state) { ImageMagickReads(state, Pcx12Megapixel()); }
void BM_Bmp12MP_Ours(benchmark::State& state) { DecodeOursFromFile(state, Bmp12Megapixel()); }
void BM_Bmp12MP_ImageMagick(benchmark::State& state) { ImageMagickReads(state, Bmp12Megapixel()); }

BENCHMARK(BM_Jpeg24MP_Ours)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_Jpeg24MP_PlainLibjpeg)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_Jpeg24MP_Untagged)->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();
BENCHMARK(BM_Jpeg24MP_AdobeRgb)->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();
BENCHMARK(BM_Jpeg24MP_SrgbTagged)->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();
BENCHMARK(BM_Jpeg24MP_Cmyk)->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();
BENCHMARK(BM_Png12MP_Ours)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_Png12MP_PlainLibpng)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_Gif12MP_Ours)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_Gif12MP_PlainGiflib)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_Webp12MP_Ours)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_Webp12MP_PlainLibwebp)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_Heic12MP_Ours)->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();
BENCHMARK(BM_Heic12MP_PlainLibheif)->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();
BENCHMARK(BM_Avif12MP_Ours)->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();
BENCHMARK(BM_Avif12MP_PlainLibheif)->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();
BENCHMARK(BM_Jxl12MP_Ours)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_Jxl12MP_PlainLibjxl)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_Pcx12MP_Ours)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_Pcx12MP_ImageMagick)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(3);
BENCHMARK(BM_Bmp12MP_Ours)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_Bmp12MP_ImageMagick)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(3);

}  // namespace
}  // namespace picdec::bench
