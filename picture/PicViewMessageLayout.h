#pragma once
// The portable part of the picture control's message display: how a credit
// line is spaced and widened, and where a text starts on the control.
#include <cstddef>
#include <string>
#include <string_view>

// Two spaces in front unless the line begins with a space, one behind
// unless it ends with one.
std::string SpacedCreditLine(std::string_view line);

// The measured width of a spaced credit line plus one part in (length - 2)
// of it, truncated. A line of one or two characters (a lone space, two
// spaces) has no such part and keeps its width.
int WidenedCreditWidth(int width, std::size_t spacedLength);

struct ScrollStart {
    int x = 0;
    int xEnd = 0;
    int y = 0;
};

// A scrolling text enters at the right edge, halfway down.
ScrollStart ScrollStartOf(int controlWidth, int controlHeight, int textWidth, int textHeight);

// The font height (negative: character height in pixels) of a size in
// points, rounded half away from zero as the window system's MulDiv does.
int HeightOfPoints(int points, int pixelsPerInch);

// Sizes derived from measured text: a + b, raising EOutOfResources when the
// sum leaves the int range.
int CheckedSum(int a, int b);
