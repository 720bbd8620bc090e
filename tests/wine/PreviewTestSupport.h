#pragma once
// The program's two windows as the start-up makes them, and picture files
// in a scratch folder for the preview and full-screen tests.
#include <windows.h>

#include <string>

#include "ScratchTestSupport.h"
#include "TestSupport.h"
#include "app/ProgramValues.h"
#include "app/TForm1.h"
#include "app/TForm2.h"

struct ProgramWindows {
    ProgramWindows() { form1.Form2 = &form2; }
    TForm1 form1;
    TForm2 form2{form1.PicView1};
};

// An uncompressed BMP of the depth (1, 4, 8, 16 or 24 bits), a pattern of
// colours; or its header alone.
std::string WriteDepthBmp(const ScratchFolder& folder, const std::string& name, int width, int height, int bits,
                          bool withPixels = true);

HBITMAP BitmapOf(const TPicView& view);
