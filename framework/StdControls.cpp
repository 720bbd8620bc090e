#include "framework/StdControls.h"

#include "framework/Graphics.h"

void TStdControl::CreateControl(const char* className, const std::string& text, DWORD style, DWORD exStyle,
                                const ControlPlacement& placement)
{
    const RECT& r = placement.bounds;
    window_ = CreateChildControl(placement.parent, className, text, style, exStyle, r.left, r.top, r.right - r.left,
                                 r.bottom - r.top, placement.id);
    if (placement.font)
        SetWindowFont(Handle(), placement.font);
    if (placement.helpContext)
        ::SetWindowContextHelpId(Handle(), placement.helpContext);
}
