#pragma once
// The application object: title, message loop, the OnMessage hook, help,
// the default error display and the dialog seam.
#include <windows.h>

#include <exception>
#include <functional>
#include <string>

#include "framework/Dialogs.h"

class TApplication {
public:
    using MessageHook = std::function<void(MSG& message, bool& handled)>;
    using HelpFunction = BOOL(WINAPI*)(HWND, LPCSTR, UINT, ULONG_PTR);

    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& title) { title_ = title; }

    // Called for every queued message before it is dispatched.
    MessageHook OnMessage;

    HWND MainWindow() const { return mainWindow_; }
    void SetMainWindow(HWND window) { mainWindow_ = window; }

    // Processes every waiting message; returns at once when none waits.
    void ProcessMessages();
    // Processes one message, waiting for one when none waits.
    void HandleMessage();
    // The message loop: runs until Terminate() or WM_QUIT.
    void Run();
    void Terminate();
    bool Terminated() const { return terminated_; }

    const std::string& HelpFile() const { return helpFile_; }
    void SetHelpFile(const std::string& helpFile) { helpFile_ = helpFile; }
    bool HelpCommand(UINT command, ULONG_PTR data);
    bool HelpContext(int context) { return HelpCommand(HELP_CONTEXT, static_cast<ULONG_PTR>(context)); }
    // Tests replace WinHelpA to see the calls.
    void SetHelpFunction(HelpFunction function) { helpFunction_ = function; }

    // The default error display: message box captioned with the title.
    void HandleException(const std::exception& error);

    const DialogScript& DialogScriptHook() const { return dialogScript_; }
    void SetDialogScript(DialogScript script) { dialogScript_ = std::move(script); }

private:
    bool ProcessMessage(MSG& message);

    std::string title_;
    std::string helpFile_;
    HWND mainWindow_ = nullptr;
    bool terminated_ = false;
    HelpFunction helpFunction_ = ::WinHelpA;
    DialogScript dialogScript_;
};

TApplication& Application();
