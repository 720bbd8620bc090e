#pragma once
#include <string>

// The picture named on the command line, set just before it is loaded.
extern std::string StartupPicturePath;
// The picture shown in the preview.
extern std::string CurrentPicturePath;
// The drive letter that last passed the access probe.
extern char LastGoodDrive;
