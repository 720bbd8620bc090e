#pragma once
// Switches the platform's critical-error boxes off ("drive not ready" and the
// like) for one scope and puts the previous mode back.
#include <windows.h>

class ErrorModeGuard {
public:
    ErrorModeGuard() : previous_(::SetErrorMode(SEM_FAILCRITICALERRORS)) {}
    ~ErrorModeGuard() { ::SetErrorMode(previous_); }
    ErrorModeGuard(const ErrorModeGuard&) = delete;
    ErrorModeGuard& operator=(const ErrorModeGuard&) = delete;

private:
    UINT previous_;
};
