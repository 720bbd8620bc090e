#pragma once
// The program's two windows as the start-up makes them, and picture files.
#include <string>

#include "TestSupport.h"
#include "app/ProgramValues.h"
#include "app/TForm1.h"
#include "app/TForm2.h"

struct ProgramWindows {
    ProgramWindows() { form1.Form2 = &form2; }
    TForm1 form1;
    TForm2 form2{form1.PicView1};
};

// A 24-bit BMP in the folder, grey; or its header alone.
std::string WriteBmp(const ScratchFolder& folder, const std::string& name, int width, int height,
                     bool withPixels = true);

HBITMAP BitmapOf(const TPicView& view);
