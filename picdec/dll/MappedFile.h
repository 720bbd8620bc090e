#pragma once
// A whole file mapped read-only into memory, so decoders read it in place.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <span>

#include "picdec/Status.h"
#include "picdec/dll/DllHandles.h"

class MappedFile {
public:
    MappedFile() = default;
    ~MappedFile();
    MappedFile(const MappedFile&) = delete;
    MappedFile& operator=(const MappedFile&) = delete;

    // CannotOpenFile, CannotReadFile or Ok.
    picdec::Status Open(const char* fileName);
    std::span<const std::uint8_t> Bytes() const { return {static_cast<const std::uint8_t*>(data_), size_}; }

    // Runs the read over the bytes. A read error of the file while it runs
    // (a network drive that goes away, a bad sector, a file cut short by
    // another program) would fault at the next byte read: the view is
    // replaced by zeros, the read goes on over them, and the result is
    // CannotReadFile instead of the read's own.
    picdec::Status Read(const std::function<picdec::Status(std::span<const std::uint8_t>)>& read);

private:
    friend class ViewFaultGuard;
    // Puts zeros where the view was; false when the address space is lost.
    bool ReplaceViewByZeros();

    UniqueFile file_;
    UniqueKernelHandle mapping_;
    UniqueFileView view_;
    void* zeros_ = nullptr;
    const void* data_ = nullptr;  // the view, or the zeros in its place
    std::size_t size_ = 0;
    bool readFailed_ = false;
};
