#include "MappedFile.h"

picdec::Status MappedFile::Open(const char* fileName)
{
    file_.reset(::CreateFileA(fileName, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                              FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!file_)
        return picdec::Status::CannotOpenFile;
    LARGE_INTEGER size{};
    if (!::GetFileSizeEx(file_.get(), &size) || static_cast<unsigned long long>(size.QuadPart) > SIZE_MAX)
        return picdec::Status::CannotReadFile;
    size_ = static_cast<std::size_t>(size.QuadPart);
    if (size_ == 0)
        return picdec::Status::Ok;  // nothing to map; the decoders report the empty file
    mapping_.reset(::CreateFileMappingA(file_.get(), nullptr, PAGE_READONLY, 0, 0, nullptr));
    if (mapping_)
        view_.reset(::MapViewOfFile(mapping_.get(), FILE_MAP_READ, 0, 0, 0));
    return view_ ? picdec::Status::Ok : picdec::Status::CannotReadFile;
}
