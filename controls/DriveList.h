#pragma once
// The drives the drive box lists: letter, text and kind of glyph.
#include <string>
#include <vector>

enum class DriveGlyph : unsigned char { Floppy, Hard, Network, CdRom, Ram };

struct DriveEntry {
    std::string text;  // "A:" or "C: [LABEL]", the letter first
    DriveGlyph glyph = DriveGlyph::Hard;
};

// Every existing drive a to z with a root directory; removable media are
// never read. Letters in upper case when upperCase, else in lower case.
std::vector<DriveEntry> BuildDriveEntries(bool upperCase);

// "[label]" of the drive's root, the label in the letter's case ("[]" when
// none can be read); no critical-error box shows.
std::string VolumeLabelText(char letter);
// The remote name connected to "L:" in the letter's case, else the label.
std::string NetworkVolumeText(char letter);
