#include "imagelib/MessageFileBytes.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <memory>
#ifdef _WIN32
#include <share.h>
#endif

#include "framework/ErrorText.h"
#include "framework/Exceptions.h"

namespace {

bool IsMissing(const std::string& fileName)
{
    struct stat info {};
    if (stat(fileName.c_str(), &info) != 0)
        return errno == ENOENT || errno == ENOTDIR;
    return (info.st_mode & S_IFMT) == S_IFDIR;
}

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using UniqueCFile = std::unique_ptr<std::FILE, FileCloser>;

UniqueCFile OpenDenyingWriters(const std::string& fileName)
{
#ifdef _WIN32
    return UniqueCFile(_fsopen(fileName.c_str(), "rb", _SH_DENYWR));
#else
    return UniqueCFile(std::fopen(fileName.c_str(), "rb"));
#endif
}

} // namespace

std::optional<std::string> ReadMessageFileBytes(const std::string& fileName, std::size_t maxBytes)
{
    if (IsMissing(fileName))
        return std::nullopt;
    UniqueCFile file = OpenDenyingWriters(fileName);
    if (!file)
        throw EFOpenError(CannotOpenFileText(fileName));
    std::string bytes;
    char buffer[16384];
    while (bytes.size() < maxBytes) {
        const std::size_t wanted = std::min(sizeof buffer, maxBytes - bytes.size());
        const std::size_t got = std::fread(buffer, 1, wanted, file.get());
        bytes.append(buffer, got);
        if (got < wanted) {
            if (std::ferror(file.get()))
                throw EFOpenError(CannotOpenFileText(fileName));
            break;
        }
    }
    return bytes;
}
