#pragma once
#include <string>

// Deletes the file, trying again until the time is up while it is still in
// use (a program that has just ended may hold it a moment longer). True
// when the file is gone.
bool DeleteFileWithin(const std::string& path, unsigned long timeoutMilliseconds);

// Has Windows delete the file, or the then empty folder, at the next
// restart: the way for a program to remove its own running file.
bool DeleteAtRestart(const std::string& path);
