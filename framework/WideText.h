#pragma once
// UTF-8, as the program keeps its texts, to and from the window system's
// UTF-16, for the few places that must speak it (a Unicode dialog, an
// accessible object).
#include <string>
#include <string_view>

std::wstring WideText(std::string_view utf8);
std::string Utf8Text(std::wstring_view wide);
