#pragma once
// Scrolling-message files (".SCM"): eight control codes in a fixed order,
// each followed by its value, the last value closed by "/eo|":
//   /fc|colour/fh|height/fn|name/fs|points/ft|style/bc|background/sp|speed/sm|text/eo|
#include <cstdint>
#include <string>
#include <string_view>

#include "imagelib/MessageFont.h"

// Sets the font, speed, background colour and text from the file's bytes
// (the text ends at the first NUL). A value whose codes are missing takes its
// default (the font size has none); an empty one leaves its setting alone,
// but an empty style is plain. A number that does not convert raises
// EConvertError; the settings before it stay made.
void ParseScrollMessage(std::string_view bytes, MessageFont& font, int& speed, std::uint32_t& backColor,
                        std::string& text);

// ParseScrollMessage on the first kMaxMessageFileBytes of the file. False,
// with nothing changed, when the file does not exist; EFOpenError when it
// cannot be opened.
bool ReadScrollMessage(const std::string& fileName, MessageFont& font, int& speed, std::uint32_t& backColor,
                       std::string& text);
