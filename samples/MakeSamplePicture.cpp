// Writes the sample picture: make_sample_picture <path of the .jpg>
#include <cstdio>
#include <fstream>

#include "samples/SamplePicture.h"

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_sample_picture <output.jpg>\n");
        return 2;
    }
    const std::vector<std::uint8_t> jpeg = EncodeJpeg(DrawSampleLandscape(1600, 1200), 90);
    std::ofstream file(argv[1], std::ios::binary);
    file.write(reinterpret_cast<const char*>(jpeg.data()), std::streamsize(jpeg.size()));
    if (!file) {
        std::fprintf(stderr, "make_sample_picture: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
