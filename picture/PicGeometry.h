#pragma once
// Where the picture control draws a picture of PW x PH in a client area of
// CW x CH: the portable part of its paint routine.

struct PaintRect {
    int x = 0;
    int y = 0;
    int w = 0;
    int h = 0;
    friend bool operator==(const PaintRect&, const PaintRect&) = default;
};

// Stretched with the aspect ratio kept, centred on the free axis; values
// are rounded to the nearest integer, ties to even. A computation that has
// no finite result (a picture of height 0 that is not wider than high)
// falls back to the full client extent on that axis.
PaintRect AspectFitRect(int clientWidth, int clientHeight, int pictureWidth, int pictureHeight);

// At actual size, at 0, 0 or, when centred, moved by half the difference
// between the area and the picture (truncated toward zero: a larger picture
// is cut on both sides).
PaintRect ActualSizeRect(int areaWidth, int areaHeight, int pictureWidth, int pictureHeight, bool center);
