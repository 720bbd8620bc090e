#pragma once
// A metafile, kept in the enhanced form the window system converts Windows
// metafiles to; copies share the handle. Drawing plays the drawing records
// only: escapes and the records that name files are skipped.
#include <windows.h>

#include <memory>
#include <string>

#include "framework/Graphic.h"
#include "framework/Handles.h"

class TMetafile : public TGraphic {
public:
    TMetafile() = default;
    // Takes ownership; the size in pixels comes from the metafile's frame.
    explicit TMetafile(HENHMETAFILE metafile);

    // A ".wmf" (placeable or not) or ".emf" file; raises EInvalidGraphic
    // when it cannot be read.
    void LoadFromFile(const std::string& fileName);
    // The bits of a Windows metafile (a file or the clipboard's
    // CF_METAFILEPICT); false when they do not form one.
    bool LoadFromWindowsMetafile(const std::uint8_t* data, std::size_t size, const METAFILEPICT* picture);
    HENHMETAFILE Handle() const { return metafile_ ? metafile_->get() : nullptr; }

    bool Empty() const override { return !metafile_; }
    int Width() const override { return width_; }
    int Height() const override { return height_; }
    void Draw(TCanvas& canvas, const RECT& rect) const override;
    std::unique_ptr<TGraphic> Clone() const override { return std::make_unique<TMetafile>(*this); }
    ClipboardData ClipboardFormats() const override;

private:
    void Take(HENHMETAFILE metafile, int width, int height);

    std::shared_ptr<const UniqueEnhMetafile> metafile_;
    int width_ = 0;
    int height_ = 0;
};
