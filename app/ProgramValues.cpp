#include "app/ProgramValues.h"

std::string StartupPicturePath;
std::string CurrentPicturePath;
