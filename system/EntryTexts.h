#pragma once
// The names and texts of the program's registry and WIN.INI entries.
#include <array>
#include <string>
#include <string_view>
#include <vector>

inline constexpr const char* kAppPathsKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\LUMSC32.EXE";
inline constexpr const char* kHelpKey = "SOFTWARE\\Microsoft\\Windows\\Help";
inline constexpr const char* kHelpValue = "LUMSC32.HLP";
inline constexpr const char* kUninstallKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Lumoscope32";
inline constexpr const char* kExtensionsKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Extensions";
inline constexpr const char* kClassName = "Lumoscope32";
inline constexpr const char* kClassDescription = "Lumoscope Picture File";
inline constexpr const char* kOpenCommandKey = "Lumoscope32\\shell\\open\\command";
inline constexpr const char* kVersion = "1.1";
inline constexpr const char* kDisplayName = "Lumoscope 1.1 -32";
inline constexpr const char* kIniFile = "WIN.INI";
inline constexpr const char* kIniSection = "Extensions";

// The rest of the uninstall entry, for the system's list of programs.
inline constexpr const char* kPublisher = "The Lumoscope32 authors";

// The program as a handler the user may choose for a picture type, never
// taking another program's default: its class in each type's "Open with"
// list, its application key, and its capabilities for Default apps.
inline constexpr const char* kMachineClassesKey = "SOFTWARE\\Classes";
inline constexpr const char* kOpenWithProgidsKey = "OpenWithProgids";
inline constexpr const char* kApplicationKey = "SOFTWARE\\Classes\\Applications\\LUMSC32.EXE";
inline constexpr const char* kApplicationName = "Lumoscope32";
inline constexpr const char* kApplicationDescription = "A small, fast picture viewer";
inline constexpr const char* kProgramKey = "SOFTWARE\\Lumoscope32";
inline constexpr const char* kCapabilitiesKey = "SOFTWARE\\Lumoscope32\\Capabilities";
inline constexpr const char* kRegisteredApplicationsKey = "SOFTWARE\\RegisteredApplications";
// The name Default apps knows the program by (ms-settings:defaultapps?registeredAppMachine=).
inline constexpr const char* kRegisteredName = "Lumoscope32";

// In the order they are registered.
inline constexpr std::array<const char*, 7> kPictureExtensions = {".BMP", ".GIF", ".ICO", ".JPG",
                                                                  ".PCX", ".TIF", ".WMF"};

// The types the program can be chosen for: the seven and the common names
// of the other pictures it reads (text/PathText.h), which it never claims.
std::vector<std::string> OpenableExtensions();

// "SOFTWARE\Classes\.BMP\OpenWithProgids" for ".BMP".
std::string OpenWithProgidsKey(std::string_view extension);

// The shell's open command; both parts quoted so that paths with blanks
// arrive as one argument.
std::string OpenCommand(std::string_view programPath);
// The command the system's list of installed programs runs.
std::string UninstallCommand(std::string_view programPath);
// The extension-list text for an extension given with its dot: ".BMP" gives
// "C:\APPS\LUMSC32.EXE ^.BMP".
std::string ExtensionCommand(std::string_view programPath, std::string_view extension);
// True when an extension's class name is the program's, in any case.
bool IsProgramClass(std::string_view className);
