#include "framework/Clipboard.h"

#include "framework/Exceptions.h"

ClipboardSession::ClipboardSession(HWND owner)
{
    // Another program (a clipboard manager copying what we put there, on a
    // busy machine) may hold it for a moment: wait up to a second.
    for (int attempt = 0; attempt < 50; ++attempt) {
        if (::OpenClipboard(owner))
            return;
        ::Sleep(20);
    }
    throw Exception("Zwischenablage kann nicht geöffnet werden");
}

namespace {

template <typename Unique>
void HandOver(UINT format, Unique& data)
{
    if (data && ::SetClipboardData(format, data.get()))
        data.release();
}

} // namespace

void ClipboardData::PutOnOpenClipboard()
{
    for (Item& item : items_)
        std::visit([&item](auto& data) { PutOnClipboard(item.format, std::move(data)); }, item.data);
    items_.clear();
}

void PutOnClipboard(UINT format, UniqueGlobal data) { HandOver(format, data); }
void PutOnClipboard(UINT format, UniqueBitmap bitmap) { HandOver(format, bitmap); }
void PutOnClipboard(UINT format, UniquePalette palette) { HandOver(format, palette); }
void PutOnClipboard(UINT format, UniqueEnhMetafile metafile) { HandOver(format, metafile); }
