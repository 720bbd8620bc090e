#pragma once
// Removing a key's lines from one section of an INI text. Pure text work.
#include <string>
#include <string_view>

struct IniRewrite {
    std::string text;      // the input, byte for byte, without the dropped lines
    bool removed = false;  // true when a line was dropped
};

// Finds every line equal to "[SECTION]" (compared in upper case); in the
// lines that follow, up to an empty line, a line beginning with "[" or the
// end, drops each line that begins with "KEY=" (compared in upper case).
// The line that ends a section is kept and is not taken for a section line.
// Lines end in CR LF, LF or CR; a dropped line goes with its line end.
IniRewrite RemoveIniKeyLines(std::string_view text, std::string_view section, std::string_view key);
