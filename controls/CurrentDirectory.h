#pragma once
// The process's current directory, changed the way the run-time does it:
// a failure raises EInOutError with the platform's error code.
#include <string>

std::string CurrentDirectory();
void ChangeDirectory(const std::string& path);

// Changes back to the directory current at construction, also on failure.
class CurrentDirectoryGuard {
public:
    CurrentDirectoryGuard() : saved_(CurrentDirectory()) {}
    ~CurrentDirectoryGuard();
    CurrentDirectoryGuard(const CurrentDirectoryGuard&) = delete;
    CurrentDirectoryGuard& operator=(const CurrentDirectoryGuard&) = delete;
    const std::string& Saved() const { return saved_; }

private:
    std::string saved_;
};
