#pragma once
// Credit-box files (".CMS"): lines ended by a carriage return, a line feed or
// both. Line 1 is not read; lines 2 to 8 hold the font colour, font height,
// font name, font size in points, font style flags, background colour and
// speed; every further line is a credit line.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "imagelib/MessageFileBytes.h"
#include "imagelib/MessageFont.h"

// Only this many bytes of a credit-box file are read.
inline constexpr std::size_t kMaxCreditFileBytes = kMaxMessageFileBytes;

// Empties the credit lines, then sets the font, speed, background colour and
// credit lines from the first kMaxCreditFileBytes of the bytes (the text ends
// at the first NUL). A number that does not convert raises EConvertError, a
// missing line among lines 2 to 8 EListError; the settings before either
// stay made and the credit lines stay empty.
void ParseCreditMessage(std::string_view bytes, MessageFont& font, int& speed, std::uint32_t& backColor,
                        std::vector<std::string>& creditLines);

// Empties the credit lines and, when the file exists, reads its start with
// ParseCreditMessage. False, with nothing else changed, when the file does
// not exist; EFOpenError when it cannot be opened.
bool ReadCreditMessage(const std::string& fileName, MessageFont& font, int& speed, std::uint32_t& backColor,
                       std::vector<std::string>& creditLines);
