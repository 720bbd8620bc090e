#pragma once
// The files an installation of the program consists of. The uninstall log
// the program writes and the uninstaller's check of a log both rest on
// these lists, so the uninstaller deletes nothing the program did not bring.
#include <array>
#include <string_view>

// Named in the program's uninstall log, in this order.
// The HEIF decoder's two DLLs came later, so they come last.
inline constexpr std::array<const char*, 8> kProgramFiles = {"LUMSC32.EXE", "LUMSC32.HLP",  "LUMSC32.CNT",
                                                             "LUMSC32.GID", "UNINST.ICO",   "PICDEC32.DLL",
                                                             "LIBHEIF.DLL", "LIBDE265.DLL"};

// The setup program's log in the program directory: read for the program
// group, then deleted. A later setup may name it in the uninstall log.
inline constexpr const char* kInstallerLogName = "UNINST.LOG";
// The setup marks the log as its own with this value of key "Product" in
// section "Setup"; a log without it is another program's and left alone.
inline constexpr const char* kInstallerLogProduct = "Lumoscope32";
inline constexpr std::array<const char*, 1> kSetupFiles = {kInstallerLogName};

// True for a name of either list, in any case.
bool IsProgramFileName(std::string_view name);
