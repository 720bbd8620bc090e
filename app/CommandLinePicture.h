#pragma once
#include <string>

class TForm1;

// Opens the picture named as the first command-line argument: the browser
// moves to its directory and selects it, then the picture is loaded. An
// argument that is no existing supported picture is ignored silently.
void OpenCommandLinePicture(TForm1& form, const std::string& argument);
