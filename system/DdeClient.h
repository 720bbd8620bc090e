#pragma once
// The program's DDE client instance, set up once at every start and used by
// the uninstall to talk to the program manager.
#include <windows.h>
#include <ddeml.h>

#include <string>

#include "framework/Handles.h"

class DdeClient {
public:
    DdeClient();
    ~DdeClient();
    DdeClient(const DdeClient&) = delete;
    DdeClient& operator=(const DdeClient&) = delete;

    DWORD Instance() const { return instance_; }
    explicit operator bool() const { return instance_ != 0; }

private:
    DWORD instance_ = 0;
};

// A DDE string handle in the ANSI code page, freed with its owner.
class DdeString {
public:
    DdeString(const DdeClient& client, const std::string& text);
    ~DdeString();
    DdeString(const DdeString&) = delete;
    DdeString& operator=(const DdeString&) = delete;

    HSZ get() const { return handle_; }

private:
    DWORD instance_;
    HSZ handle_;
};

using UniqueConversation = UniqueHandle<handle_traits::NullInvalid<HCONV, ::DdeDisconnect>>;
