#pragma once
// The picture control: loads a picture file by its extension, keeps it with
// its palette and paints it at its own size, centred, stretched or stretched
// with its shape kept, with an optional rotated text overlay. It takes part
// in the clipboard through WM_CUT, WM_COPY, WM_PASTE and the usual keys.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "framework/Canvas.h"
#include "framework/Font.h"
#include "framework/Picture.h"
#include "framework/Window.h"
#include "imagelib/ImageLib.h"

enum TBorderStyle { bsNone, bsSingle };

class TPicView : public TWindow {
public:
    TPicView();

    // Creates the window, 105 x 105 pixels at left, top.
    void Create(HWND parent, int id, int left = 0, int top = 0);

    // Step messages of the message display: each may move a scrolling
    // message (WM_USER+1) or a credit box (WM_USER+2) by one pixel.
    static constexpr UINT kScrollStepMessage = WM_USER + 1;
    static constexpr UINT kCreditStepMessage = WM_USER + 2;

    // Loader texts: the result of a missing file, and of a picture the
    // picture holder reads itself.
    static constexpr const char* kFileNotFound = "file not found";
    static constexpr const char* kNonLibraryImage = "Non TIF, JPeg, BMP, GIF, PNG or PCX Image";

    // Picture information, filled by GetImageInfo.
    std::string ImageFileType;
    int ImageWidth = 0;
    int ImageHeight = 0;
    int ImageBitsPixel = 0;
    int ImagePlanes = 0;
    int ImageInfoValue = 0;
    std::int64_t ImageFileSize = 0;
    std::string ImageInfoText;

    // Fired at the end of every paint.
    std::function<void(TPicView& sender)> OnPaint;

    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool autoSize);
    bool Center() const { return center_; }
    void SetCenter(bool center);
    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle borderStyle);
    TPicture& Picture() { return picture_; }
    const TPicture& Picture() const { return picture_; }
    // Copies the given picture; the two share the pixels until one changes.
    void SetPicture(const TPicture& picture) { picture_.Assign(picture); }
    // Reading runs the loader again and returns its result.
    std::string ImageName() { return GetImageName(); }
    void SetImageName(const std::string& name);
    // What the loader returned last.
    const std::string& LoadedName() const { return loadedName_; }
    bool LibPalette() const { return libPalette_; }
    void SetLibPalette(bool libPalette) { libPalette_ = libPalette; }
    bool ImageDither() const { return imageDither_; }
    void SetImageDither(bool dither) { imageDither_ = dither; }
    TLoadResolution ImageReadRes() const { return imageReadRes_; }
    void SetImageReadRes(TLoadResolution resolution) { imageReadRes_ = resolution; }
    TSaveResolution ImageWriteRes() const { return imageWriteRes_; }
    void SetImageWriteRes(TSaveResolution resolution) { imageWriteRes_ = resolution; }
    TTiffCompression TifSaveCompress() const { return tifSaveCompress_; }
    void SetTifSaveCompress(TTiffCompression compression) { tifSaveCompress_ = compression; }
    unsigned char JPegSaveQuality() const { return jpegSaveQuality_; }
    void SetJPegSaveQuality(unsigned char quality);
    unsigned char JPegSaveSmooth() const { return jpegSaveSmooth_; }
    void SetJPegSaveSmooth(unsigned char smooth);
    bool PNGInterLaced() const { return pngInterlaced_; }
    void SetPNGInterLaced(bool interlaced) { pngInterlaced_ = interlaced; }
    const std::string& DefSaveFilename() const { return defSaveFilename_; }
    void SetDefSaveFilename(const std::string& name) { defSaveFilename_ = name; }
    bool UseTwainWindow() const { return useTwainWindow_; }
    void SetUseTwainWindow(bool use) { useTwainWindow_ = use; }
    bool Stretch() const { return stretch_; }
    void SetStretch(bool stretch);
    bool StretchRatio() const { return stretchRatio_; }
    void SetStretchRatio(bool stretchRatio);
    const std::string& Text() const { return text_; }
    void SetText(const std::string& text) { SetAndRepaint(text_, text); }
    bool TextShadow() const { return textShadow_; }
    void SetTextShadow(bool shadow) { SetAndRepaint(textShadow_, shadow); }
    COLORREF TextShadowColor() const { return textShadowColor_; }
    void SetTextShadowColor(COLORREF color) { textShadowColor_ = color; }
    int TextLeft() const { return textLeft_; }
    void SetTextLeft(int left) { SetAndRepaint(textLeft_, left); }
    int TextTop() const { return textTop_; }
    void SetTextTop(int top) { SetAndRepaint(textTop_, top); }
    int TextRotate() const { return textRotate_; }
    void SetTextRotate(int degrees) { SetAndRepaint(textRotate_, degrees); }
    bool TextTransParent() const { return textTransparent_; }
    void SetTextTransParent(bool transparent) { SetAndRepaint(textTransparent_, transparent); }
    COLORREF Color() const { return color_; }
    void SetColor(COLORREF color) { SetAndRepaint(color_, color); }
    // The overlay text's font.
    const TFont& Font() const { return font_; }
    void SetFont(const TFont& font) { SetAndRepaint(font_, font); }

    // The outer size of the window, border included.
    int Width() const;
    int Height() const;

    // Fills the information fields for the file; false after a failure.
    bool GetImageInfo(const std::string& fileName);
    // True while the control holds a picture that is not empty (a failed
    // read may leave an empty bitmap).
    bool HoldsPicture() const;
    void CopyToClipboard();
    void CutToClipboard();
    void PasteFromClipboard();
    // Ends a running message and empties the picture.
    void ClearPicture();
    // The name a screen reader reads for the control: its window text,
    // which nothing paints.
    void SetAccessibleName(const std::string& name);
    // The palette the window system should realise for this control.
    HPALETTE GetPalette() const;

    void PaintContent(HDC dc) override;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void EraseBackground(HDC dc) override;

    // The message display's state.
    bool FScrollActive = false;
    bool FCreditActive = false;
    COLORREF FSavedColor = 0;

    // The message display (PicViewMessage.cpp).
    void LoadScrollMessage(const std::string& fileName);
    void LoadCreditBox(const std::string& fileName);
    void ShowCreditLine();
    // True on every (divider + 1)-th call.
    bool SpeedTick(int divider);
    void OnScrollStep();
    void OnCreditStep();

    TFont FMsgFont;
    COLORREF FMsgBackColor = 0;
    int FMsgSpeed = 0;
    std::string FMsgText;
    std::vector<std::string> FCreditLines;
    int FCreditIndex = 0;
    TBitmap FMsgBitmap;
    int FMsgX = 0;
    int FMsgY = 0;
    int FMsgXEnd = 0;
    int FMsgWidth = 0;
    int FMsgHeight = 0;
    int FSavedWidth = 0;
    int FSavedHeight = 0;
    int FTickCount = 0;

private:
    struct LoaderRow;

    std::string GetImageName();
    void LoadByReader(const LoaderRow& row, int depth, int dither);
    void LoadMessageFile(void (TPicView::*load)(const std::string&));
    // The message display's helpers (PicViewMessage.cpp).
    SIZE MeasureMessageText(const std::string& text) const;
    void RepaintNow();
    void LayOutCreditLine();
    void DrawCreditLine();
    void DrawMessageBitmap();
    int ReaderDepth() const;
    void SetFailedInfo();
    // No picture: no type and a size of 0.
    void SetEmptyInfo();
    bool FillImageInfo(const std::string& fileName, bool reportFailure);
    void SetResourceInfo();
    void SetOwnFileInfo(const std::string& fileName, const std::string& key);

    void PictureChanged();
    void Repaint();
    template <typename T>
    void SetAndRepaint(T& field, const T& value)
    {
        if (field == value)
            return;
        field = value;
        Repaint();
    }

    // Painting (PicViewPaint.cpp).
    void PaintGraphic(TCanvas& canvas);
    void DrawBitmap(TCanvas& canvas, const TBitmap& bitmap, int x, int y, int w, int h, bool stretched);
    // What to draw for the bitmap in w x h: the bitmap itself, or shrunk
    // smoothly where w or h is smaller than the picture.
    const TBitmap& FitBitmap(const TBitmap& bitmap, int w, int h);
    void DrawOverlayText(TCanvas& canvas, int x, int y, const std::string& text, COLORREF shadowColor,
                         bool transparent, bool shadow, int angle);
    void FinishPaint(TCanvas& canvas);

    void KeyDown(WPARAM key);
    void KeyPress(WPARAM character);
    void RealizeOwnPalette();

    TPicture picture_;
    std::string imageName_;
    std::string loadedName_;
    bool autoSize_ = false;
    bool center_ = false;
    TBorderStyle borderStyle_ = bsNone;
    bool libPalette_ = true;
    bool imageDither_ = true;
    TLoadResolution imageReadRes_ = lAutoMatic;
    TSaveResolution imageWriteRes_ = sAutoMatic;
    TTiffCompression tifSaveCompress_ = sNONE;
    unsigned char jpegSaveQuality_ = 25;
    unsigned char jpegSaveSmooth_ = 0;
    bool pngInterlaced_ = false;
    std::string defSaveFilename_;
    bool useTwainWindow_ = true;
    bool stretch_ = false;
    bool stretchRatio_ = false;
    std::string text_;
    bool textShadow_ = false;
    COLORREF textShadowColor_ = clBlack;
    int textLeft_ = 0;
    int textTop_ = 0;
    int textRotate_ = 0;
    bool textTransparent_ = true;
    COLORREF color_;
    TFont font_;
    // The picture area-averaged to the size it was last drawn shrunk at,
    // made once per picture and size: shrinking a large photograph at
    // every paint would be slow.
    TBitmap shrunk_;
};
