// Showing a 24-megapixel JPEG: (a) the library's decode of the file alone
// against (b) LoadPicture from the call to the painted preview, in the same
// run; and the peak working set while the picture is shown in the preview
// and in the full-screen view, against the picture's 24-bit size.
//   preview_bench.exe          writes the picture, then measures in a fresh
//                              process (so writing it does not count)
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>

#include "app/ProgramValues.h"
#include "app/TForm1.h"
#include "app/TForm2.h"
#include "framework/Application.h"
#include "imagelib/ImageLib.h"
#include "tests/native/picdec/writers/EncodedPictures.h"

namespace {

constexpr std::uint32_t kWidth = 6000;
constexpr std::uint32_t kHeight = 4000;
constexpr int kRounds = 3;
constexpr double kMegabyte = 1024.0 * 1024.0;

using Clock = std::chrono::steady_clock;

double MillisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

std::string PicturePath()
{
    char temp[MAX_PATH];
    ::GetTempPathA(MAX_PATH, temp);
    return std::string(temp) + "lumo-bench-24mp.jpg";
}

void WritePicture(const std::string& path)
{
    const auto file = picdec::samples::JpegFile(picdec::samples::GradientPicture(kWidth, kHeight));
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(file.size()));
}

double PeakWorkingSetMegabytes()
{
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    ::GetProcessMemoryInfo(::GetCurrentProcess(), &counters, sizeof counters);
    return static_cast<double>(counters.PeakWorkingSetSize) / kMegabyte;
}

double DecodeMilliseconds(const std::string& path, int depth)
{
    double best = 1e30;
    for (int round = 0; round < kRounds; ++round) {
        TBitmap bitmap;
        const auto start = Clock::now();
        ReadJpgFile(path, depth, 0, bitmap);
        best = std::min(best, MillisecondsSince(start));
    }
    return best;
}

double LoadMilliseconds(TForm1& form, const std::string& path)
{
    double best = 1e30;
    for (int round = 0; round < kRounds; ++round) {
        CurrentPicturePath.clear();
        const auto start = Clock::now();
        form.LoadPicture(path);
        ::UpdateWindow(form.Handle());
        ::UpdateWindow(form.PicView1.Handle());
        best = std::min(best, MillisecondsSince(start));
    }
    return best;
}

int Measure(const std::string& path)
{
    TForm1 form1;
    TForm2 form2(form1.PicView1);
    form1.Form2 = &form2;
    WindowDC screen(nullptr);
    const double decode = DecodeMilliseconds(path, ScreenColorDepth(screen.get()));
    const double load = LoadMilliseconds(form1, path);
    ::ShowWindow(form2.Handle(), SW_SHOWMAXIMIZED);
    ::UpdateWindow(form2.Handle());
    ::UpdateWindow(form2.PicView1.Handle());
    Application().ProcessMessages();
    const double peak = PeakWorkingSetMegabytes();
    const double pictureMegabytes = kWidth * kHeight * 3.0 / kMegabyte;
    const double peakTarget = pictureMegabytes * 1.25 + 40.0;
    std::printf("24-megapixel JPEG %ux%u, best of %d\n", kWidth, kHeight, kRounds);
    std::printf("  (a) ReadJpgFile alone:                %8.1f ms\n", decode);
    std::printf("  (b) LoadPicture to the painted preview: %6.1f ms   b/a = %.2f (target <= 1.30)\n", load,
                load / decode);
    std::printf("  peak working set, preview and full screen shown: %.1f MB (target <= %.1f MB)\n", peak,
                peakTarget);
    ::ShowWindow(form2.Handle(), SW_HIDE);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    const std::string path = PicturePath();
    if (argc > 1 && std::string(argv[1]) == "measure")
        return Measure(path);
    WritePicture(path);
    std::string commandLine = std::string("\"") + argv[0] + "\" measure";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!::CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                          &process))
        return 1;
    ::WaitForSingleObject(process.hProcess, INFINITE);
    DWORD code = 1;
    ::GetExitCodeProcess(process.hProcess, &code);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    ::DeleteFileA(path.c_str());
    return static_cast<int>(code);
}
