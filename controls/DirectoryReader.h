#pragma once
// Reads the entries of the current directory for the file list.
#include <string>
#include <vector>

#include "controls/FileEntries.h"

// Members of the file list's FileType; the first six are attribute bits.
enum TFileTypeMember : unsigned {
    ftReadOnly = 0x01, ftHidden = 0x02, ftSystem = 0x04, ftVolumeID = 0x08, ftDirectory = 0x10,
    ftArchive = 0x20, ftNormal = 0x100
};
using TFileType = unsigned;

struct DirectoryQuery {
    std::string mask;  // pieces joined by ";"
    TFileType fileType = ftNormal;
    bool showGlyphs = false;
};

// Every entry of the current directory that matches a mask piece and passes
// the attribute filter, sorted; an entry matching two pieces comes twice.
// The hourglass shows from the 101st entry on, until the read ends.
std::vector<FileEntry> ReadDirectoryEntries(const DirectoryQuery& query);
