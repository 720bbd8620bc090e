#pragma once
#include <string>

// The picture named on the command line, set just before it is loaded.
extern std::string StartupPicturePath;
// The picture shown in the preview.
extern std::string CurrentPicturePath;
