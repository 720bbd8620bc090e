#pragma once
// Scratch folders and scratch drives.
#include <windows.h>
#include <winioctl.h>

#include <initializer_list>
#include <string>
#include <vector>

// A folder under the temp directory, removed with everything in it.
class ScratchFolder {
public:
    explicit ScratchFolder(const std::string& name)
    {
        char buffer[MAX_PATH];
        ::GetCurrentDirectoryA(MAX_PATH, buffer);
        previous_ = buffer;
        ::GetTempPathA(MAX_PATH, buffer);
        path_ = std::string(buffer) + name + "-" + std::to_string(::GetCurrentProcessId());
        RemoveTree(path_);
        ::CreateDirectoryA(path_.c_str(), nullptr);
    }
    ~ScratchFolder()
    {
        ::SetCurrentDirectoryA(previous_.c_str());
        RemoveTree(path_);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::string& Path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + "\\" + name; }
    // Through the A function, so UTF-8 names work.
    void File(const std::string& name, const std::string& content = "x") const
    {
        HANDLE file = ::CreateFileA((*this / name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        DWORD written = 0;
        ::WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
        ::CloseHandle(file);
    }
    void Folder(const std::string& name) const { ::CreateDirectoryA((*this / name).c_str(), nullptr); }
    // Files, and folders where the name ends in a backslash, in this order.
    void Fill(std::initializer_list<std::string> names) const
    {
        for (const std::string& name : names)
            name.back() == '\\' ? Folder(name.substr(0, name.size() - 1)) : File(name);
    }
    void Attributes(const std::string& name, DWORD attributes) const
    {
        ::SetFileAttributesA((*this / name).c_str(), attributes);
    }

    static void RemoveTree(const std::string& path)
    {
        WIN32_FIND_DATAA found;
        HANDLE search = ::FindFirstFileA((path + "\\*").c_str(), &found);
        if (search != INVALID_HANDLE_VALUE) {
            do {
                std::string name = found.cFileName;
                if (name == "." || name == "..")
                    continue;
                std::string child = path + "\\" + name;
                ::SetFileAttributesA(child.c_str(), FILE_ATTRIBUTE_NORMAL);
                if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                    RemoveTree(child);
                else
                    ::DeleteFileA(child.c_str());
            } while (::FindNextFileA(search, &found));
            ::FindClose(search);
        }
        ::RemoveDirectoryA(path.c_str());
    }

private:
    std::string path_;
    std::string previous_;
};

// A drive letter defined through Wine's mount manager for one test: a fixed
// drive mapped to a scratch folder, or without a target a removable drive
// without a medium.
class ScratchDrive {
public:
    explicit ScratchDrive(char letter, const std::string& windowsTarget = {}, UINT type = DRIVE_FIXED)
        : letter_(letter)
    {
        if (windowsTarget.empty())
            Define(DRIVE_REMOVABLE, "/nonexistent-lumoscope-medium");
        else
            Define(type, UnixPath(windowsTarget));
    }
    ~ScratchDrive() { Define(DRIVE_NO_ROOT_DIR, {}); }
    ScratchDrive(const ScratchDrive&) = delete;
    ScratchDrive& operator=(const ScratchDrive&) = delete;

private:
    struct UnixDrive {  // the mount manager's request
        ULONG size, type, fsType;
        DWORD serial;
        ULONGLONG unixDevice;
        WCHAR letter;
        USHORT mountPointOffset, deviceOffset, labelOffset;
    };

    static std::string UnixPath(const std::string& windowsPath)
    {
        using ToUnix = char*(CDECL*)(LPCWSTR);
        auto toUnix = reinterpret_cast<ToUnix>(
            reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
        wchar_t wide[MAX_PATH] = {};
        ::MultiByteToWideChar(CP_UTF8, 0, windowsPath.c_str(), -1, wide, MAX_PATH);
        char* unix = toUnix ? toUnix(wide) : nullptr;
        std::string result = unix ? unix : "";
        ::HeapFree(::GetProcessHeap(), 0, unix);
        return result;
    }

    void Define(UINT type, const std::string& target)
    {
        std::vector<char> buffer(sizeof(UnixDrive) + target.size() + 1);
        auto* drive = reinterpret_cast<UnixDrive*>(buffer.data());
        drive->size = static_cast<ULONG>(buffer.size());
        drive->type = type;
        drive->letter = static_cast<WCHAR>(letter_ - 'A' + 'a');
        if (!target.empty()) {
            drive->mountPointOffset = sizeof(UnixDrive);
            target.copy(buffer.data() + sizeof(UnixDrive), target.size());
        }
        HANDLE manager = ::CreateFileW(L"\\\\.\\MountPointManager", GENERIC_READ | GENERIC_WRITE,
                                       FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
        constexpr DWORD kDefineUnixDrive =
            CTL_CODE('m', 32, METHOD_BUFFERED, FILE_READ_ACCESS | FILE_WRITE_ACCESS);
        ::DeviceIoControl(manager, kDefineUnixDrive, buffer.data(), static_cast<DWORD>(buffer.size()), nullptr, 0,
                          nullptr, nullptr);
        ::CloseHandle(manager);
    }

    char letter_;
};
