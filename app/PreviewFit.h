#pragma once
// The preview's sizes and its information line, from the picture's numbers.
#include <string>

struct PreviewSize {
    int width;
    int height;
};

// The picture area inside the preview panel: the picture's own size, or the
// picture fitted into the 352 x 424 box with its shape kept.
PreviewSize ActualPreviewSize(int width, int height);
PreviewSize FittedPreviewSize(int width, int height);

// The colour count for bits per pixel times planes: "2" ... "4B", or "N/A".
std::string ColorCountText(long long bitsTimesPlanes);
// "Picture-Info:  640x480x256".
std::string PictureInfoText(int width, int height, long long bitsTimesPlanes);
// What a screen reader reads for the preview: "picture PHOTO.BMP, 640 by 480".
std::string PictureAccessibleName(const std::string& name, int width, int height);
