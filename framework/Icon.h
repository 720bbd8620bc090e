#pragma once
// An icon read by the window system; copies share the icon handle.
#include <windows.h>

#include <memory>
#include <string>

#include "framework/Graphic.h"
#include "framework/Handles.h"

class TIcon : public TGraphic {
public:
    // Raises EInvalidGraphic when the window system cannot read the file.
    void LoadFromFile(const std::string& fileName);
    HICON Handle() const { return icon_ ? icon_->get() : nullptr; }

    bool Empty() const override { return !icon_; }
    int Width() const override { return width_; }
    int Height() const override { return height_; }
    void Draw(TCanvas& canvas, const RECT& rect) const override;
    std::unique_ptr<TGraphic> Clone() const override { return std::make_unique<TIcon>(*this); }
    // Icons have no clipboard format: the clipboard gets the icon drawn on
    // a white bitmap.
    ClipboardData ClipboardFormats() const override;

private:
    std::shared_ptr<const UniqueIcon> icon_;
    int width_ = 0;
    int height_ = 0;
};
