#include "system/ProgramRemoval.h"

#include "text/PathText.h"
#include "system/ProgramFiles.h"
#include "system/SafePaths.h"

namespace {

// Empty when the file may go.
std::string RefusalReason(const std::string& folder, const std::string& file)
{
    if (!LiesDirectlyIn(folder, file))
        return "not in " + folder + ", left alone";
    if (!IsProgramFileName(FileNamePart(file)))
        return "not a file of Lumoscope, left alone";
    if (IsRootDirectory(folder))
        return "in the root " + folder + ", left alone";
    return {};
}

} // namespace

ProgramRemoval PlanProgramRemoval(const UninstallLog& log)
{
    ProgramRemoval removal;
    for (const std::string& file : log.files) {
        const std::string reason = RefusalReason(log.madeDir, file);
        if (reason.empty())
            removal.files.push_back(file);
        else
            removal.refused.push_back(file + " (" + reason + ")");
    }
    if (!IsRootDirectory(log.madeDir))
        removal.folder = log.madeDir;
    return removal;
}
