#pragma once
// Helpers for the Wine tests: scripted dialogs, message pumping, pixels.
#include <windows.h>

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "framework/Application.h"
#include "framework/Dialogs.h"
#include "framework/Handles.h"

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

// Dispatches every waiting message through the application.
inline void PumpMessages() { Application().ProcessMessages(); }

// True (and removes it) when a WM_QUIT waits in this thread's queue.
inline bool TakeQuitMessage()
{
    MSG message;
    return ::PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) != FALSE;
}

// A window's rectangle relative to its parent's client area.
inline RECT RectInParent(HWND window)
{
    RECT rect;
    ::GetWindowRect(window, &rect);
    ::MapWindowPoints(nullptr, ::GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

std::string TextOf(HWND window);

// The pixels a paint function draws into a 32-bit top-down bitmap.
class PixelCanvas {
public:
    PixelCanvas(int width, int height);
    HDC dc() const { return dc_.get(); }
    COLORREF At(int x, int y) const;
    int Count(COLORREF colour) const;

private:
    int width_;
    int height_;
    UniqueMemoryDC dc_;
    UniqueBitmap bitmap_;
    std::optional<SelectedObject> selection_;
    const DWORD* bits_ = nullptr;
};
