#pragma once
// A graphic a picture can hold: a bitmap, an icon or a metafile. Copies
// share the window-system data; a graphic that can change copies it before
// the first change (copy on write).
#include <windows.h>

#include <functional>
#include <memory>

#include "framework/Clipboard.h"

class TCanvas;

class TGraphic {
public:
    virtual ~TGraphic() = default;

    virtual bool Empty() const = 0;
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    virtual HPALETTE Palette() const { return nullptr; }
    // Draws itself stretched into rect.
    virtual void Draw(TCanvas& canvas, const RECT& rect) const = 0;
    // A copy that shares the data; without the change handler.
    virtual std::unique_ptr<TGraphic> Clone() const = 0;
    // A copy in the clipboard formats other programs read; empty when none
    // could be built.
    virtual ClipboardData ClipboardFormats() const = 0;

    // Called after every change of the graphic itself.
    std::function<void()> OnChange;

protected:
    TGraphic() = default;
    TGraphic(const TGraphic&) {}
    TGraphic& operator=(const TGraphic&) { return *this; }
    void Changed() const
    {
        if (OnChange)
            OnChange();
    }
};
