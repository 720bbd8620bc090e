#include "system/UninstallLog.h"

#include "system/ProgramFiles.h"
#include "system/SafePaths.h"

namespace {

constexpr const char* kHeader[] = {"*** Installation Started 1/1/96 00:00 ***", "Title: Lumoscope 1.1 -32 Installation",
                                   "Source: A:\\INST32.EXE"};
constexpr std::string_view kMadeDir = "Made Dir: ";
constexpr std::string_view kFileCopy = "File Copy: ";

std::optional<std::vector<std::string_view>> SplitCrLfLines(std::string_view text)
{
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        std::size_t end = text.find("\r\n");
        if (end == std::string_view::npos)
            return std::nullopt;
        std::string_view line = text.substr(0, end);
        if (line.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos)
            return std::nullopt;
        lines.push_back(line);
        text.remove_prefix(end + 2);
    }
    return lines;
}

bool IsHeader(const std::vector<std::string_view>& lines)
{
    return lines[0].starts_with("*** Installation Started") && lines[0].ends_with("***") &&
           lines[1].starts_with("Title: ") && lines[2].starts_with("Source: ");
}

} // namespace

std::string UninstallLogText(std::string_view programDir)
{
    std::string text;
    for (const char* line : kHeader)
        text += std::string(line) + "\r\n";
    text += std::string(kMadeDir) + std::string(programDir) + "\r\n";
    for (const char* file : kProgramFiles)
        text += std::string(kFileCopy) + std::string(programDir) + "\\" + file + "\r\n";
    return text;
}

std::optional<UninstallLog> ParseUninstallLog(std::string_view text)
{
    std::optional<std::vector<std::string_view>> lines = SplitCrLfLines(text);
    if (!lines || lines->size() < 4 || !IsHeader(*lines) || !(*lines)[3].starts_with(kMadeDir))
        return std::nullopt;
    UninstallLog log;
    log.madeDir = (*lines)[3].substr(kMadeDir.size());
    if (!IsAbsoluteDirectory(log.madeDir))
        return std::nullopt;
    for (std::size_t i = 4; i < lines->size(); ++i) {
        std::string_view line = (*lines)[i];
        if (!line.starts_with(kFileCopy) || line.size() == kFileCopy.size())
            return std::nullopt;
        log.files.emplace_back(line.substr(kFileCopy.size()));
    }
    return log;
}
