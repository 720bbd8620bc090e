#include "FuzzDecode.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    picdec::fuzz::DecodeAsFormat(data, size, picdec::PictureFormat::Jxl);
    return 0;
}
