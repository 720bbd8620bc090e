#pragma once
// The uninstall log the program hands to LMUNINST.EXE: an installation log
// naming the program directory ("Made Dir:") and the files in it
// ("File Copy:"), one entry a line, every line ended by CR LF.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

std::string UninstallLogText(std::string_view programDir);

struct UninstallLog {
    std::string madeDir;
    std::vector<std::string> files;
};

// Nothing when the text is not such a log: three header lines, one
// "Made Dir:" line with an absolute path on a drive or a network share,
// then only "File Copy:" lines, every line ended by CR LF.
std::optional<UninstallLog> ParseUninstallLog(std::string_view text);
