#pragma once
// Helpers for the Wine tests: scripted dialogs, message pumping, pixels.
#include <windows.h>

#include <gtest/gtest.h>

#include <deque>
#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "framework/Application.h"
#include "framework/Dialogs.h"
#include "framework/Handles.h"
#include "framework/Window.h"
#include "ScratchTestSupport.h"

// Answers every dialog from a queue (mrOk / the first button when empty)
// and records what was asked; restores the real dialogs when it goes.
class ScriptedDialogs {
public:
    ScriptedDialogs()
    {
        Application().SetDialogScript([this](const DialogRequest& request) {
            requests.push_back(request);
            if (answers.empty())
                return DialogAnswer{mrOk, request.value};
            DialogAnswer answer = answers.front();
            answers.pop_front();
            return answer;
        });
    }
    ~ScriptedDialogs() { Application().SetDialogScript(nullptr); }
    ScriptedDialogs(const ScriptedDialogs&) = delete;
    ScriptedDialogs& operator=(const ScriptedDialogs&) = delete;

    void Answer(int result, const std::string& value = {}) { answers.push_back({result, value}); }

    std::deque<DialogAnswer> answers;
    std::vector<DialogRequest> requests;
};

inline void ExpectMessage(const DialogRequest& request, const std::string& text, TMsgDlgType type,
                          TMsgDlgButtons buttons)
{
    EXPECT_EQ(request.text, text);
    EXPECT_EQ(request.type, type);
    EXPECT_EQ(request.buttons, buttons);
}

// The texts of list entries or dialog requests.
template <typename Items>
std::vector<std::string> TextsOf(const Items& items)
{
    std::vector<std::string> texts;
    for (const auto& item : items)
        texts.push_back(item.text);
    return texts;
}

inline bool Exists(const std::string& path) { return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

inline void PressKey(HWND window, WORD key)
{
    ::SendMessageA(window, WM_KEYDOWN, key, 1);
    ::SendMessageA(window, WM_KEYUP, key, 0xC0000001);
}

// A dialog's button clicked, from any thread.
inline void Click(HWND dialog, int id) { ::PostMessageA(::GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

inline void PumpMessages() { Application().ProcessMessages(); }

// A window's rectangle relative to its parent's client area.
inline RECT RectInParent(HWND window)
{
    RECT rect;
    ::GetWindowRect(window, &rect);
    ::MapWindowPoints(nullptr, ::GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

inline std::pair<int, int> SizeOf(HWND window)
{
    RECT rect;
    ::GetWindowRect(window, &rect);
    return {rect.right - rect.left, rect.bottom - rect.top};
}

inline std::string TextOf(HWND window) { return WindowText(window); }

// Rectangles compared and printed as a whole.
inline bool operator==(const RECT& a, const RECT& b) { return ::EqualRect(&a, &b) != FALSE; }
inline std::ostream& operator<<(std::ostream& out, const RECT& r)
{
    return out << r.left << ", " << r.top << " - " << r.right << ", " << r.bottom;
}

// The pixels a paint function draws into a 32-bit top-down bitmap.
class PixelCanvas {
public:
    PixelCanvas(int width, int height);
    HDC dc() const { return dc_.get(); }
    COLORREF At(int x, int y) const;
    int Count(COLORREF colour) const;
    // The pixels of another colour within the area (right and bottom excluded).
    int CountOther(COLORREF colour, const RECT& area) const;

private:
    int width_;
    int height_;
    UniqueMemoryDC dc_;
    UniqueBitmap bitmap_;
    std::optional<SelectedObject> selection_;
    const DWORD* bits_ = nullptr;
};
