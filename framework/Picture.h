#pragma once
// The picture holder: at most one graphic (bitmap, icon or metafile), a
// copy of whatever it is given, and a change notification.
#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "framework/Bitmap.h"
#include "framework/Graphic.h"

class TPicture {
public:
    TPicture() = default;
    TPicture(const TPicture&) = delete;
    TPicture& operator=(const TPicture&) = delete;

    // Called after every change.
    std::function<void()> OnChange;

    TGraphic* Graphic() const { return graphic_.get(); }
    // A copy of the graphic (sharing its data); none empties the picture.
    void SetGraphic(const TGraphic* graphic);
    void Assign(const TPicture& other) { SetGraphic(other.Graphic()); }
    void Clear() { SetGraphic(nullptr); }
    int Width() const { return graphic_ ? graphic_->Width() : 0; }
    int Height() const { return graphic_ ? graphic_->Height() : 0; }

    // The graphic as a bitmap: another kind is replaced by an empty bitmap.
    TBitmap& Bitmap();
    // The held bitmap, or none when the picture holds another kind.
    const TBitmap* HeldBitmap() const { return dynamic_cast<const TBitmap*>(graphic_.get()); }

    // An icon (".ico") or a metafile (".wmf", ".emf") by the file's real
    // extension; raises EInvalidGraphic for an unknown extension or a file
    // the window system cannot read.
    void LoadFromFile(const std::string& fileName);

    // Puts the graphic on the clipboard, which it empties first. When the
    // data cannot be built (no memory for a large picture), the clipboard
    // is left as it was and EOutOfResources is raised.
    void SaveToClipboard(HWND owner) const;
    // True when the clipboard holds a bitmap or a metafile.
    static bool ClipboardHasPicture();
    // Takes a bitmap or metafile from the clipboard; false when it holds none
    // that can be read.
    bool LoadFromClipboard(HWND owner);

private:
    void Take(std::unique_ptr<TGraphic> graphic);
    void Changed();

    std::unique_ptr<TGraphic> graphic_;
};
