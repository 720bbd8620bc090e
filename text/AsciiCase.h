#pragma once
// Case changes of the letters a to z only: every other byte, those of UTF-8
// sequences included, stays as it is.
#include <string>
#include <string_view>

char UpperAscii(char c);
char LowerAscii(char c);
std::string UpperAscii(std::string_view text);
std::string LowerAscii(std::string_view text);
