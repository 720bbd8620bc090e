#include "controls/DriveList.h"

#include <windows.h>
#include <winnetwk.h>

#include "controls/ErrorModeGuard.h"
#include "text/AsciiCase.h"

namespace {

// Letters a to z only: other bytes of a UTF-8 label stay as they are.
std::string InCaseOf(char letter, std::string_view text)
{
    return LowerAscii(letter) == letter ? LowerAscii(text) : UpperAscii(text);
}

std::string RootOf(char letter) { return std::string{letter, ':', '\\'}; }

DriveEntry EntryFor(UINT type, char shown)
{
    const std::string letter{shown, ':'};
    switch (type) {
    case DRIVE_REMOVABLE: return {letter, DriveGlyph::Floppy};
    case DRIVE_FIXED: return {letter + " " + VolumeLabelText(shown), DriveGlyph::Hard};
    case DRIVE_REMOTE: return {letter + " " + NetworkVolumeText(shown), DriveGlyph::Network};
    case DRIVE_CDROM: return {letter + " " + VolumeLabelText(shown), DriveGlyph::CdRom};
    default: return {letter + " " + VolumeLabelText(shown), DriveGlyph::Ram};
    }
}

} // namespace

std::string VolumeLabelText(char letter)
{
    char label[261] = {};
    {
        ErrorModeGuard noCriticalErrors;
        if (!::GetVolumeInformationA(RootOf(letter).c_str(), label, sizeof label, nullptr, nullptr, nullptr, nullptr, 0))
            label[0] = '\0';
    }
    return "[" + InCaseOf(letter, label) + "]";
}

std::string NetworkVolumeText(char letter)
{
    char remote[261] = {};
    DWORD length = 260;
    const std::string device{letter, ':'};
    if (::WNetGetConnectionA(device.c_str(), remote, &length) != NO_ERROR)
        return VolumeLabelText(letter);
    return InCaseOf(letter, remote);
}

std::vector<DriveEntry> BuildDriveEntries(bool upperCase)
{
    std::vector<DriveEntry> entries;
    const DWORD drives = ::GetLogicalDrives();
    for (int bit = 0; bit < 26; ++bit) {
        if (!(drives & (1u << bit)))
            continue;
        const char lower = static_cast<char>('a' + bit);
        const UINT type = ::GetDriveTypeA(RootOf(lower).c_str());
        if (type == DRIVE_UNKNOWN || type == DRIVE_NO_ROOT_DIR)
            continue;
        entries.push_back(EntryFor(type, upperCase ? static_cast<char>('A' + bit) : lower));
    }
    return entries;
}
