#include "MappedFile.h"

namespace {

// The file being read on this thread, if any.
thread_local MappedFile* guardedFile = nullptr;

bool IsFaultOfAFileRead(const EXCEPTION_RECORD& record)
{
    // Windows raises an in-page error; Wine an access violation.
    return (record.ExceptionCode == EXCEPTION_IN_PAGE_ERROR || record.ExceptionCode == EXCEPTION_ACCESS_VIOLATION) &&
           record.NumberParameters >= 2;
}

} // namespace

// Registered while a read runs: a fault inside the guarded view is the
// file's read error, anything else goes on to the other handlers.
class ViewFaultGuard {
public:
    explicit ViewFaultGuard(MappedFile& file)
    {
        guardedFile = &file;
        handler_ = ::AddVectoredExceptionHandler(1, OnException);
    }
    ~ViewFaultGuard()
    {
        if (handler_)
            ::RemoveVectoredExceptionHandler(handler_);
        guardedFile = nullptr;
    }
    ViewFaultGuard(const ViewFaultGuard&) = delete;
    ViewFaultGuard& operator=(const ViewFaultGuard&) = delete;

private:
    static LONG CALLBACK OnException(EXCEPTION_POINTERS* exception)
    {
        MappedFile* file = guardedFile;
        const EXCEPTION_RECORD& record = *exception->ExceptionRecord;
        if (!file || !file->view_ || !IsFaultOfAFileRead(record))
            return EXCEPTION_CONTINUE_SEARCH;
        const auto address = static_cast<std::uintptr_t>(record.ExceptionInformation[1]);
        const auto start = reinterpret_cast<std::uintptr_t>(file->data_);
        if (address < start || address - start >= file->size_ || !file->ReplaceViewByZeros())
            return EXCEPTION_CONTINUE_SEARCH;
        return EXCEPTION_CONTINUE_EXECUTION;
    }

    PVOID handler_ = nullptr;
};

MappedFile::~MappedFile()
{
    if (zeros_)
        ::VirtualFree(zeros_, 0, MEM_RELEASE);
}

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
    data_ = view_.get();
    return view_ ? picdec::Status::Ok : picdec::Status::CannotReadFile;
}

picdec::Status MappedFile::Read(const std::function<picdec::Status(std::span<const std::uint8_t>)>& read)
{
    readFailed_ = false;
    ViewFaultGuard guard(*this);
    const picdec::Status status = read(Bytes());
    return readFailed_ ? picdec::Status::CannotReadFile : status;
}

bool MappedFile::ReplaceViewByZeros()
{
    void* start = const_cast<void*>(view_.release());
    ::UnmapViewOfFile(start);
    readFailed_ = true;
    // At the same addresses, so every pointer into the view stays valid.
    zeros_ = ::VirtualAlloc(start, size_, MEM_RESERVE | MEM_COMMIT, PAGE_READONLY);
    return zeros_ == start;
}
