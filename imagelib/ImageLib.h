#pragma once
// The binding between the picture control and PICDEC32.DLL: one reader per
// library entry, the information entry, the library's error box, and bitmap
// resources read without the library.
#include <windows.h>

#include <string>

#include "framework/Bitmap.h"
#include "framework/DibLayout.h"
#include "imagelib/NameText.h"

enum TLoadResolution { lColorVga, lMonoChrome, lColor16, lColor256, lColorTrue, lAutoMatic };
enum TSaveResolution { sColorVga, sMonoChrome, sColor16, sColor256, sColorTrue, sJpegGray, sAutoMatic };
enum TTiffCompression { sNONE, sCCITT, sLZW, sPACKBITS };

struct ImageInfo {
    std::string fileType;
    int width = 0;
    int height = 0;
    int depthFactor1 = 0;
    int depthFactor2 = 0;
    int furtherNumber = 0;
    std::string infoText;
};

// Each reader hands whatever handles came back to the bitmap object; on a
// failure it shows the library's message and gives false.
bool ReadBmpFile(const std::string& fileName, int resolution, int dither, TBitmap& bitmap, long callerValue = 0);
bool ReadJpgFile(const std::string& fileName, int resolution, int dither, TBitmap& bitmap, long callerValue = 0);
bool ReadGifFile(const std::string& fileName, int resolution, int dither, TBitmap& bitmap, long callerValue = 0);
bool ReadPcxFile(const std::string& fileName, int resolution, int dither, TBitmap& bitmap, long callerValue = 0);
bool ReadPngFile(const std::string& fileName, int resolution, int dither, TBitmap& bitmap, long callerValue = 0);
bool ReadWebpFile(const std::string& fileName, int resolution, int dither, TBitmap& bitmap, long callerValue = 0);
bool ReadTifFile(const std::string& fileName, int resolution, int dither, TBitmap& bitmap, long callerValue = 0);
bool ReadHeifFile(const std::string& fileName, int resolution, int dither, TBitmap& bitmap, long callerValue = 0);
bool ReadAvifFile(const std::string& fileName, int resolution, int dither, TBitmap& bitmap, long callerValue = 0);
bool ReadJxlFile(const std::string& fileName, int resolution, int dither, TBitmap& bitmap, long callerValue = 0);

// Pictures read from now on that describe their colours are shown in those
// of the display the window is on: its colour profile, or sRGB where it has
// none or the library cannot take it. True when the profile was taken.
bool UseColoursOfDisplay(HWND window);

// The library's information entry; a failure shows the library's message
// unless the caller has told the user already.
bool ReadImageInfo(const std::string& fileName, ImageInfo& info, bool reportFailure = true);

// Sounds the error beep and shows the library's message for a failure code
// in the "Fehler" box.
void ShowDecoderError(short code);
HMODULE DecoderModule();

// 4, 8 or 24 by the bits per pixel of the device context.
int ScreenColorDepth(HDC dc);

// A bitmap resource of a loaded module (empty name: the program itself),
// by number when the name reads as one; false without a message when the
// resource is missing.
bool ReadResourceBitmap(const std::string& moduleName, const std::string& resourceName, HWND window, TBitmap& bitmap);
