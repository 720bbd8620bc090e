#include "picdec/PictureInfo.h"

namespace picdec {

namespace {

int RoundedIndexBits(int bits)
{
    if (bits <= 1)
        return 1;
    if (bits == 2)
        return 2;
    return bits <= 4 ? 4 : 8;
}

}  // namespace

void SetColourDepth(PictureInfo& info, bool fourChannels)
{
    info.depthFactor1 = fourChannels ? 4 : 3;
    info.depthFactor2 = 8;
}

void SetIndexedDepth(PictureInfo& info, int planes, int bitsPerPlane)
{
    const int bits = planes * bitsPerPlane;
    const int rounded = RoundedIndexBits(bits);
    info.depthFactor1 = bits == rounded ? planes : 1;
    info.depthFactor2 = bits == rounded ? bitsPerPlane : rounded;
}

int PaletteDibDepth(int indexBits)
{
    if (indexBits <= 1)
        return 1;
    return indexBits <= 4 ? 4 : 8;
}

std::string ShortDescription(std::string text)
{
    if (text.size() > 25)
        text.resize(25);
    return text;
}

}  // namespace picdec
