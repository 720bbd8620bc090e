#include "imagelib/MessageFont.h"

FontStyle FontStyleFromFlags(std::string_view flags)
{
    auto flag = [flags](std::size_t index) { return index < flags.size() && flags[index] == '1'; };
    return FontStyle{flag(0), flag(1), flag(2), flag(3)};
}
