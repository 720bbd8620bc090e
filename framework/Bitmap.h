#pragma once
// The bitmap object: one bitmap handle and one palette handle of the window
// system, and a canvas to draw on it. Copies share both handles until one of
// them changes (copy on write), so a picture held twice takes its memory once.
#include <windows.h>

#include <memory>

#include "framework/Canvas.h"
#include "framework/Graphic.h"
#include "framework/Handles.h"

class TBitmap : public TGraphic {
public:
    TBitmap();
    TBitmap(const TBitmap& other);
    TBitmap& operator=(const TBitmap& other);
    ~TBitmap() override;

    // The handles stay owned by the bitmap object.
    HBITMAP Handle() const;
    HPALETTE Palette() const override { return image_ ? image_->palette.get() : nullptr; }
    bool Empty() const override { return !image_ || !image_->bitmap; }
    int Width() const override;
    int Height() const override;
    // Planes times bits per pixel; 0 without a bitmap.
    int BitsPerPixel() const;

    // Takes ownership; the old handle goes unless it is the same one.
    void SetHandle(HBITMAP bitmap);
    void SetPalette(HPALETTE palette);
    // A new bitmap of the display's format, filled white.
    void SetSize(int width, int height);

    // Drawing on the canvas changes this bitmap only, never a copy of it.
    TCanvas& Canvas();

    void Draw(TCanvas& canvas, const RECT& rect) const override;
    std::unique_ptr<TGraphic> Clone() const override { return std::make_unique<TBitmap>(*this); }
    ClipboardData ClipboardFormats() const override;

private:
    struct Image {
        UniqueBitmap bitmap;
        UniquePalette palette;
    };
    struct CanvasContext;

    void Unshare();
    Image& WritableImage();
    // A bitmap can be selected into one device context only.
    void ReleaseCanvas() const;

    std::shared_ptr<Image> image_;
    mutable std::unique_ptr<CanvasContext> canvas_;
};

// Copies of window-system objects, for copy on write and the clipboard.
HBITMAP DuplicateBitmap(HBITMAP bitmap);
HPALETTE DuplicatePalette(HPALETTE palette);
