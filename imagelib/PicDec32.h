#pragma once
// The image library's entries, imported by ordinal (see PICDEC32's .def).
#include <windows.h>

extern "C" {
__declspec(dllimport) short WINAPI PicInfo(const char* fileName, char* typeText, short* width, short* height,
                                           short* depthFactor1, short* depthFactor2, short* furtherNumber,
                                           char* infoText, long reserved);
__declspec(dllimport) short WINAPI ReadJpg(const char* fileName, short resolution, short one, short dither,
                                           HBITMAP* bitmap, HPALETTE* palette, long callerValue, long reserved);
__declspec(dllimport) short WINAPI ReadGif(const char* fileName, short resolution, short dither, HBITMAP* bitmap,
                                           HPALETTE* palette, long callerValue, long reserved);
__declspec(dllimport) short WINAPI ReadPcx(const char* fileName, short resolution, short dither, HBITMAP* bitmap,
                                           HPALETTE* palette, long callerValue, long reserved);
__declspec(dllimport) short WINAPI ReadBmp(const char* fileName, short resolution, short dither, HBITMAP* bitmap,
                                           HPALETTE* palette, long callerValue, long reserved);
__declspec(dllimport) short WINAPI ReadPng(const char* fileName, short resolution, short dither, HBITMAP* bitmap,
                                           HPALETTE* palette, long callerValue, long reserved);
__declspec(dllimport) short WINAPI ReadTif(const char* fileName, short resolution, short dither, HBITMAP* bitmap,
                                           HPALETTE* palette, long callerValue, long reserved);
__declspec(dllimport) short WINAPI ReadWebp(const char* fileName, short resolution, short dither, HBITMAP* bitmap,
                                            HPALETTE* palette, long callerValue, long reserved);
__declspec(dllimport) short WINAPI ReadHeif(const char* fileName, short resolution, short dither, HBITMAP* bitmap,
                                            HPALETTE* palette, long callerValue, long reserved);
__declspec(dllimport) short WINAPI ReadAvif(const char* fileName, short resolution, short dither, HBITMAP* bitmap,
                                            HPALETTE* palette, long callerValue, long reserved);
__declspec(dllimport) short WINAPI ReadJxl(const char* fileName, short resolution, short dither, HBITMAP* bitmap,
                                           HPALETTE* palette, long callerValue, long reserved);
__declspec(dllimport) short WINAPI SetDisplayProfile(const char* profileFile);
}
