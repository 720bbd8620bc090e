// A file of any kind, read by its content: the recognition of the formats
// and, behind it, whichever reader it picks.
#include "FuzzDecode.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    picdec::fuzz::DecodeAsFormat(data, size, picdec::PictureFormat::Unknown);
    return 0;
}
