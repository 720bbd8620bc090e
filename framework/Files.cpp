#include "framework/Files.h"

#include <windows.h>

#include <algorithm>
#include <cstdint>

#include "framework/Handles.h"

bool FileExists(const std::string& path)
{
    DWORD attributes = ::GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

namespace {

UniqueFile OpenForReading(const std::string& path)
{
    return UniqueFile(::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
}

} // namespace

std::int64_t FileSizeOf(const std::string& path)
{
    UniqueFile file = OpenForReading(path);
    LARGE_INTEGER size{};
    if (!file || !::GetFileSizeEx(file.get(), &size))
        return -1;
    return size.QuadPart;
}

std::optional<std::vector<std::uint8_t>> ReadWholeFile(const std::string& path, std::int64_t limit)
{
    UniqueFile file = OpenForReading(path);
    LARGE_INTEGER size{};
    if (!file || !::GetFileSizeEx(file.get(), &size) || size.QuadPart > limit ||
        static_cast<std::uint64_t>(size.QuadPart) > SIZE_MAX)
        return std::nullopt;
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size.QuadPart));
    std::size_t done = 0;
    while (done < bytes.size()) {
        DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 24));
        DWORD read = 0;
        if (!::ReadFile(file.get(), bytes.data() + done, chunk, &read, nullptr) || read == 0)
            return std::nullopt;
        done += read;
    }
    return bytes;
}
